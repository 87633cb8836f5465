#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/file_system.h"

namespace tarvola {

// The whole records of a data file, empty when the file isn't there; nothing
// when it is there but can't be read, so that nobody writes over it.
std::optional<std::string> readWholeRecords(FileSystem& fs, const std::filesystem::path& path,
                                            std::size_t recordLength);

// The shown names of the whole records of wwww.dat's bytes.
// The whole records of a file that may be rewritten; nothing when it exists
// but can't be read, can't be written or is longer than a list shows.
std::optional<std::string> readChangeableRecords(FileSystem& fs, const std::filesystem::path& path,
                                                 std::size_t recordLength);
// More records than a list can show: the program would never reach the rest.
bool holdsTooManyRecords(std::string_view records, std::size_t recordLength);

std::vector<std::string> shownCategoryNames(std::string_view categoryRecords);

bool fileExists(const std::filesystem::path& path);

}  // namespace tarvola
