#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/change_intent.h"
#include "store/data_folder.h"

namespace tarvola {

// How every change of a data folder is made, by the window and by
// tarvola-bookmarks alike:
//  1. The folder's change lock is taken, waiting while another change holds
//     it. Where no lock can be had at all (a read-only medium, a file system
//     without locks), the change goes on without.
//  2. A change that a kill or a power cut left pending is finished, and the
//     temporary files of one that never began are removed.
//  3. What is to change is read again, under the lock.
//  4. Files change in one of three ways, each durable before it returns:
//     a record appended and flushed (append); the whole file written to a
//     temporary file, flushed and renamed over it (rewrite); or several files
//     written as flushed temporary files, then put in place with moves and
//     removals by one recorded change (stage, move, commit: change_intent.h).
//  5. The lock goes with the object; so do staged files never put in place.
class FolderChange {
 public:
  enum class State {
    ready,
    busy,     // another change held the lock all along
    pending,  // a change left pending can't be finished now
  };

  FolderChange(DataFolder& folder, std::chrono::milliseconds patience);
  ~FolderChange();
  FolderChange(const FolderChange&) = delete;
  FolderChange& operator=(const FolderChange&) = delete;

  State state() const { return state_; }
  bool ready() const { return state_ == State::ready; }
  // What is read under the change's lock is read through the folder.
  const DataFolder& folder() const { return folder_; }

  // A data file to be rewritten, byte for byte, a partial last record
  // included: "" when it is missing; nothing when it is there but can't be
  // read or written, or is longer than a list shows.
  std::optional<std::string> readToRewrite(std::string_view name, std::size_t recordLength);

  // A whole record after the last whole one (RecordFile::append).
  bool append(std::string_view name, std::string_view record);
  // A data file made, empty, where none is.
  bool createIfMissing(std::string_view name);
  // The name of a temporary file made free (clearTemporaryFile).
  bool clearTemporary(std::string_view name);
  // The whole content of `name`, through `temp`.
  bool rewrite(std::string_view name, std::string_view temp, std::string_view content);

  // `content` written as a flushed temporary file, to become `target` at
  // commit: under the name `temp`, or a numbered one of the change's own.
  bool stage(std::string target, std::string_view content);
  bool stage(std::string target, std::string_view content, std::string temp);
  // A move without replacing, or a removal, at commit. The steps are carried out in the order they were given.
  void move(std::string from, std::string to);
  void remove(std::string name);
  ChangeOutcome commit();

 private:
  std::filesystem::path pathOf(std::string_view name) const { return folder_.pathOf(name); }
  void removeLeftTemporaries();

  DataFolder& folder_;
  FileSystem& fs_;
  HeldLock lock_;
  State state_ = State::ready;
  std::vector<ChangeStep> steps_;
  std::vector<std::string> temporaries_;
  int numbered_ = 0;
  bool committed_ = false;
};

}  // namespace tarvola
