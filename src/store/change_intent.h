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

enum class ChangeOutcome {
  done,
  notBegun,    // nothing changed
  unfinished,  // the intent stays: the next change or start finishes it
};

// Writes and flushes the intent, carries out the steps in order, flushes the
// directory once, removes the intent. A step is redone only while it
// has not happened: a replace or a move while its source is there (a move never
// over an existing file), a remove while the file is there. So list moves only
// of files that exist, and no step may bring back the source of an earlier one.
// Only with no change pending (FolderChange sees to that).
ChangeOutcome carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps);

// Finishes a change that a kill or a power cut interrupted. True when no change is pending afterwards.
bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir);

// A change was begun and is not finished: until it is, a site file may hold
// another category's websites.
bool changePending(FileSystem& fs, const std::filesystem::path& dataDir);

// The file that holds the intent while a change is carried out.
std::filesystem::path changeIntentFile(const std::filesystem::path& dataDir);

// The intent as it is written: one line a step, then the count and a checksum.
std::string changeRecordText(const std::vector<ChangeStep>& steps);

}  // namespace tarvola
