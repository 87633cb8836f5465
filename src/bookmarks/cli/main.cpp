#include <memory>

#include "bookmarks/bookmarks_command.h"
#include "bookmarks/cli/program_environment.h"
#include "bookmarks/cli/program_output.h"
#include "store/file_system.h"

int main(int argc, char* argv[]) {
  const std::unique_ptr<tarvola::CommandOutput> output = tarvola::programOutput();
  return tarvola::runBookmarksCommand(tarvola::programArguments(argc, argv),
                                      tarvola::executableDirectory(argc > 0 ? argv[0] : nullptr),
                                      tarvola::nativeFileSystem(), *output);
}
