#pragma once

#include <memory>

#include "bookmarks/bookmarks_command.h"

namespace tarvola {

// The console the program was started from; on Windows a message box when
// there is none, as after a file was dropped onto the executable.
std::unique_ptr<CommandOutput> programOutput();

}  // namespace tarvola
