#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "store/fs_status.h"

namespace tarvola {

// A removal left the name free: removed, or nothing was there. A busy one is
// not: the file stays while another program holds it.
inline bool isRemoved(FsStatus removal) { return removal == FsStatus::ok || removal == FsStatus::missing; }

// An open data file; closed when destroyed.
class File {
 public:
  virtual ~File() = default;
  virtual std::optional<std::uint64_t> size() = 0;
  // Bytes read at offset: fewer than asked at the end of the file; nullopt on an error.
  virtual std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) = 0;
  virtual bool writeAt(std::uint64_t offset, std::span<const char> bytes) = 0;
  // Cuts the file back to `length` bytes.
  virtual bool truncate(std::uint64_t length) = 0;
  // Puts what was written on the disk.
  virtual bool sync() = 0;
};

// A lock held until it is destroyed; the system lets it go when the process ends, however it ends.
class Lock {
 public:
  virtual ~Lock() = default;
};

enum class OpenMode {
  openOrCreate,  // a missing file is created empty
  existing,      // a missing file is not created
  truncate,      // created or emptied
  readOnly,      // an existing file, for reading only
};

// The file operations the handlers use. Tests put a failing one in its place.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // nullptr when the file can't be opened, is missing (OpenMode::existing,
  // readOnly) or is not a regular file: a directory or a FIFO is never opened.
  // `status` says why.
  virtual std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) = 0;
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode) {
    FsStatus status = FsStatus::ok;
    return open(path, mode, status);
  }
  // Removes a file, or an empty directory standing where a file should be.
  // On the disk only after syncDirectory.
  virtual FsStatus remove(const std::filesystem::path& path) = 0;
  // `exists`, changing nothing, when a file named `to` exists. On the disk only after syncDirectory.
  virtual FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Puts `from` in the place of `to` in one step, on the disk when it returns.
  virtual FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // ok when a file, a directory or anything else has this name; failed when that can't be told.
  virtual FsStatus lookUp(const std::filesystem::path& path) = 0;
  virtual bool isDirectory(const std::filesystem::path& path) = 0;
  // Puts the names of the directory (creates, renames, removes) on the disk.
  virtual bool syncDirectory(const std::filesystem::path& dir) = 0;
  // Takes the exclusive lock of `lockFile`, made when missing, waiting up to
  // `patience` while another holder has it (another process, or another lock
  // of this one): then nullptr and `busy`. `failed` when no lock can be had
  // there at all. On POSIX a directory can be locked itself, which no removal
  // or replacement of its files takes away.
  virtual std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                                     FsStatus& status) = 0;
};

// The file system of the machine the program runs on, momentary refusals retried.
FileSystem& nativeFileSystem();
// The same, taking what the system answers at the first try.
FileSystem& systemFileSystem();

}  // namespace tarvola
