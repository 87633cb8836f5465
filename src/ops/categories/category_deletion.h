#pragma once

#include <filesystem>

#include "store/file_system.h"

namespace tarvola {

// Removes the category at list position `position` with its websites and gives
// the site files of the later categories the next lower number. Either all of
// it happens or, on a failure other than a missing file, nothing does: the
// categories and their site files stay in step. True when it was deleted.
bool deleteCategory(FileSystem& fs, const std::filesystem::path& dataDir, int position);

}  // namespace tarvola
