#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/file_system.h"

namespace tarvola {

// One step of a change of several data files.
struct ChangeStep {
  enum class Kind { replace, moveNoReplace, remove };
  Kind kind;
  std::string from;  // a file name in the data directory: replace -> a complete, flushed temporary file;
                     // moveNoReplace -> the file to move; remove -> the file to remove
  std::string to;    // replace / moveNoReplace: the target name; empty for remove
};

// Writes and flushes the intent, carries out the steps in order, flushes the
// directory once, removes the intent. False when it could not be finished; the
// intent then stays and start-up finishes it. A step is redone only while it
// has not happened: a replace or a move while its source is there (a move never
// over an existing file), a remove while the file is there. So list moves only
// of files that exist, and no step may bring back the source of an earlier one.
bool carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps);

// Start-up, before wwww.dat is read. True when no change is pending afterwards.
bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir);

// A change was begun and is not finished: until it is, a site file may hold
// another category's websites.
bool changePending(FileSystem& fs, const std::filesystem::path& dataDir);

// The file that holds the intent while a change is carried out.
std::filesystem::path changeIntentFile(const std::filesystem::path& dataDir);

}  // namespace tarvola
