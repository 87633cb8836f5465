#pragma once

#include <filesystem>

#include "store/file_system.h"

namespace tarvola {

// Makes the name of a temporary file free. Something that can't be removed
// (a directory with files in it) is moved aside to `name.1`, `name.2`, …, so a
// temporary file never stays blocked. False when the name is still taken.
bool clearTemporaryFile(FileSystem& fs, const std::filesystem::path& temp);

}  // namespace tarvola
