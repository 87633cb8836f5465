#include <memory>

#include "bookmarks/bookmarks_command.h"
#include "bookmarks/cli/program_environment.h"
#include "bookmarks/cli/program_output.h"
#include "bookmarks/messages.h"
#include "store/file_system.h"
#ifdef TARVOLA_BOOKMARKS_WINDOW
#include "bookmarks/window/run_window.h"
#endif

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments = tarvola::programArguments(argc, argv);
  const std::filesystem::path besideProgram = tarvola::executableDirectory(argc > 0 ? argv[0] : nullptr);
  const std::unique_ptr<tarvola::CommandOutput> output = tarvola::programOutput();
#ifdef TARVOLA_BOOKMARKS_WINDOW
  // No command: the window, on the folder beside the program or the one named.
  if (const std::optional<std::filesystem::path> folder = tarvola::windowFolder(arguments, besideProgram)) {
    if (tarvola::windowCanOpen()) return tarvola::runBookmarksWindow(argc, argv, *folder, tarvola::nativeFileSystem());
    output->report("没有可以显示窗口的屏幕，窗口打不开；命令照常可用。\n\n" + tarvola::helpText(), true);
    return 2;
  }
#endif
  return tarvola::runBookmarksCommand(arguments, besideProgram, tarvola::nativeFileSystem(), *output);
}
