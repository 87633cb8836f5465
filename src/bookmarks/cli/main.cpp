#include <memory>

#include "bookmarks/bookmarks_command.h"
#include "bookmarks/cli/program_environment.h"
#include "bookmarks/cli/program_output.h"
#include "store/file_system.h"
#ifdef TARVOLA_BOOKMARKS_WINDOW
#include "bookmarks/window/run_window.h"
#endif

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments = tarvola::programArguments(argc, argv);
  const std::filesystem::path besideProgram = tarvola::executableDirectory(argc > 0 ? argv[0] : nullptr);
#ifdef TARVOLA_BOOKMARKS_WINDOW
  // No command: the window, on the folder beside the program or the one named.
  const std::optional<std::filesystem::path> windowFolder = tarvola::windowFolder(arguments, besideProgram);
  if (windowFolder && tarvola::windowCanOpen())
    return tarvola::runBookmarksWindow(argc, argv, *windowFolder, tarvola::nativeFileSystem());
#endif
  const std::unique_ptr<tarvola::CommandOutput> output = tarvola::programOutput();
  return tarvola::runBookmarksCommand(arguments, besideProgram, tarvola::nativeFileSystem(), *output);
}
