#pragma once

#include <filesystem>
#include <string_view>

#include "store/file_system.h"

namespace tarvola {

// Writes `content` as the whole of the file at `path`, created or emptied, and
// puts it on the disk; the handle is closed on return.
bool writeComplete(FileSystem& fs, const std::filesystem::path& path, std::string_view content);

// Replaces the whole content of target: written complete into temp (emptied
// first, so nothing left over from an interrupted run can leak in), put on the
// disk, then renamed over target in one step. On failure target is unchanged
// and temp is removed where it can be.
bool rewriteAtomically(FileSystem& fs, const std::filesystem::path& target, const std::filesystem::path& temp,
                       std::string_view content);

}  // namespace tarvola
