#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>


namespace tarvola {

class FileSystem;

// Where the command's messages go: a console, or a message box after a drop.
class CommandOutput {
 public:
  virtual ~CommandOutput() = default;
  virtual void report(const std::string& text, bool failed) = 0;
  virtual void progress(const std::string& text) = 0;
};

// The data folder whose window the arguments ask for: none but the folder's
// name, or none at all. Nothing when they name a command.
std::optional<std::filesystem::path> windowFolder(const std::vector<std::string>& arguments,
                                                  const std::filesystem::path& defaultDataDir);

// Runs tarvola-bookmarks with its arguments (without the program's name) on
// the data folder they name, reached through `fs`; the exit status.
int runBookmarksCommand(const std::vector<std::string>& arguments, const std::filesystem::path& defaultDataDir,
                        FileSystem& fs, CommandOutput& output);

}  // namespace tarvola
