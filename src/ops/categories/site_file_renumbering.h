#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "store/change_intent.h"
#include "store/file_system.h"

namespace tarvola {

// The moves that follow the deletion of the category at list position
// `deleted`: its site file aside to ls.dat (which must be free), then the site
// files of positions deleted + 1 to `last` each to the next lower number, in
// ascending order. Only files that are there now: a redo then never moves a
// file into a number that a later step fills. Nothing when a file can't be looked up.
std::optional<std::vector<ChangeStep>> siteFileMoves(FileSystem& fs, const std::filesystem::path& dataDir, int deleted,
                                                     int last);

}  // namespace tarvola
