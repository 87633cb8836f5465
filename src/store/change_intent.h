#pragma once

#include <filesystem>
#include <string>
#include <vector>


namespace tarvola {

class FileSystem;

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
// directory once, removes the intent.
//
// What makes a redo safe: after a kill or a power cut every step is carried
// out again from the first, and a step whose target is already in place counts
// as done. A replace or a move happens only while its source is there (a move
// never over an existing file), a remove only while the file is there; a
// source that is gone means the step was made. So list moves only of files
// that exist, and no step may bring back the source of an earlier one.
// Only with no change pending (FolderChange sees to that).
ChangeOutcome carryOutChange(FileSystem& fs, const std::filesystem::path& dataDir, const std::vector<ChangeStep>& steps);

// Finishes a change that a kill or a power cut interrupted. True when no change is pending afterwards.
bool finishPendingChange(FileSystem& fs, const std::filesystem::path& dataDir);

// The intent as it is written: one line a step, then the count and a checksum.
std::string changeRecordText(const std::vector<ChangeStep>& steps);

}  // namespace tarvola
