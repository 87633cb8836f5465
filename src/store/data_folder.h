#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/fs_status.h"
#include "store/whole_file.h"

namespace tarvola {

class FileSystem;
class FolderWatch;
class Lock;

struct LockRelease {
  void operator()(Lock* lock) const;
};
// A lock of the folder, let go when it is destroyed.
using HeldLock = std::unique_ptr<Lock, LockRelease>;

// A data folder: its path, the file system it is reached through and its
// locks. The one way in to its files, for the window, tarvola-bookmarks and
// the tests: reads work at any time; every write is made inside a
// FolderChange, which holds the folder's change lock (folder_change.h).
class DataFolder {
 public:
  DataFolder(std::filesystem::path path, FileSystem& fs);
  DataFolder(const DataFolder&) = delete;
  DataFolder& operator=(const DataFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder is there, and is a directory.
  bool exists() const;

  // ok, missing, or failed when that can't be told.
  FsStatus lookUp(std::string_view name) const;
  // The records a list shows of a data file: its whole records, at most a
  // list's worth. "" when it is missing or a directory stands in its place;
  // nothing when it is there but can't be read.
  std::optional<std::string> shownRecords(std::string_view name, std::size_t recordLength) const;
  // Record r (1-based) of a data file, while it is there whole.
  std::optional<std::string> record(std::string_view name, std::size_t recordLength, std::uint64_t r) const;
  // A file's bytes; one longer than `limit` is refused by its size, unread.
  WholeFile readWhole(std::string_view name, std::uint64_t limit) const;
  // A file can be opened for writing, as a change that replaces it needs.
  bool writable(std::string_view name) const;
  // A change was begun and is not finished: until it is, a site file may hold
  // another category's websites.
  bool changePending() const;
  // Tells when another program may have changed the folder's files.
  std::unique_ptr<FolderWatch> watch() const;

  // `file` is one of the folder's own files, however it is spelled: compared
  // as files, through links, letter case and short names, not as strings.
  bool ownsFile(const std::filesystem::path& file) const;
  // `file` is the folder's file of deleted entries, however it is spelled.
  bool isKeptDeletions(const std::filesystem::path& file) const;
  // A file outside the folder that the user names: a bookmark file to read.
  WholeFile readOtherFile(const std::filesystem::path& file, std::uint64_t limit) const;
  // Writes the whole of a file the user names, complete or not at all. Refused
  // for a file of the folder's own (ownsFile), which it leaves as it was.
  bool writeOtherFile(const std::filesystem::path& file, std::string_view content) const;

  // The running window's lock, taken without waiting, with `owner` written
  // into the window's lock file for a later start to find: nullptr and busy
  // while another copy holds it, failed where no lock can be had or the owner
  // can't be written (a read-only medium). On Windows the lock file itself is
  // locked, which no other program can remove while it is held; elsewhere the
  // folder is, so that a sync client that removes or replaces the lock file
  // takes nothing away.
  HeldLock lockForWindow(std::string_view owner, FsStatus& status) const;
  // Writes the owner into the window's lock file again (one made anew).
  bool writeWindowOwner(std::string_view owner) const;
  // What the holder of the window lock wrote into it.
  std::string windowOwner() const;
  std::filesystem::path windowLockPath() const;

 private:
  friend class FolderChange;
  std::filesystem::path pathOf(std::string_view name) const;

  std::filesystem::path path_;
  FileSystem& fs_;
};

}  // namespace tarvola
