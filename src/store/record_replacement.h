#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "store/file_system.h"

namespace tarvola {

// Puts `record` in the place of record r (1-based) of the file at `path`,
// through `temp`, so that a power cut leaves the old or the new file, whole.
// Only where record r is there whole; the file's other bytes stay as they are.
// False, changing nothing, when it can't be done.
bool replaceRecord(FileSystem& fs, const std::filesystem::path& path, const std::filesystem::path& temp,
                   std::uint64_t r, std::string_view record);

}  // namespace tarvola
