#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvola {

// The arguments after the program's name, in UTF-8 on every system.
std::vector<std::string> programArguments(int argc, char* argv[]);

// The folder of the running executable: where the data files live.
std::filesystem::path executableDirectory(const char* argv0);

// Whether a window can be shown: on Linux, not in a console without a display.
bool windowCanOpen();

}  // namespace tarvola
