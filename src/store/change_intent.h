#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/file_system.h"

namespace tarvola {

struct ChangeStep {
  enum class Kind { replace, moveNoReplace, remove };
  Kind kind;
  std::string from;  // file name in the data directory: replace -> a complete, flushed temporary file;
                     // moveNoReplace -> the file to move; remove -> the file to remove
  std::string to;    // replace / moveNoReplace: the target name; empty for remove
};

// Writes and flushes the intent, carries out the steps in order, flushes the directory once, removes the
// intent. False when it could not be finished; the intent then stays and start-up finishes it.
bool carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps);

// Start-up, before wwww.dat is read. True when no change is pending afterwards.
bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir);

}  // namespace tarvola
