#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "store/file_system.h"

namespace tarvola::test {

// Every file of a data directory by name, with its bytes.
using Files = std::map<std::string, std::string>;
Files filesIn(const std::filesystem::path& dir);
// The same without the file of deleted entries: the files the window shows.
Files dataFilesIn(const std::filesystem::path& dir);
void writeFiles(const std::filesystem::path& dir, const Files& files);

// What a fresh start of the program shows: each category, in order, with the
// websites that selecting it lists. Selecting creates missing site files.
using Shown = std::vector<std::pair<std::string, std::vector<std::string>>>;
Shown shownAfterRestart(const std::filesystem::path& dir, FileSystem& fs = nativeFileSystem());

}  // namespace tarvola::test
