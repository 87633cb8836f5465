#pragma once

#include <filesystem>

namespace tarvola {

class FileSystem;

// Opens the window on the data folder and runs it until it is closed; the exit status.
int runBookmarksWindow(int& argc, char* argv[], const std::filesystem::path& dataDir, FileSystem& fs);

}  // namespace tarvola
