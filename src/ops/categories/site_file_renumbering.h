#pragma once

#include <filesystem>

#include "store/file_system.h"

namespace tarvola {

// Once the category at list position `deleted` is gone from the category file:
// moves its site file aside to ls.dat and gives the site files of positions
// deleted + 1 to `last` the next lower number, in ascending order, never over
// an existing file. Missing files are skipped. Any other failure puts back
// every file already moved and returns false. ls.dat is left for the caller.
bool moveSiteFilesDown(FileSystem& fs, const std::filesystem::path& dataDir, int deleted, int last);

}  // namespace tarvola
