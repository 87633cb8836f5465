#pragma once

#include <filesystem>

#include "store/file_system.h"

namespace tarvola {

// Removes the category at list position `position` with its websites and gives
// the site files of the later categories the next lower number, as one change:
// a failure before it begins changes nothing, one after is finished at the next
// start. True when it was deleted.
bool deleteCategory(FileSystem& fs, const std::filesystem::path& dataDir, int position);

}  // namespace tarvola
