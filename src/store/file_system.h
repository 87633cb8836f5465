#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace tarvola {

// Outcome of a file-system step. A missing file is told apart from other
// failures: the maintenance operations treat it as harmless.
enum class FsStatus { ok, missing, failed };

// An open data file; closed when destroyed.
class File {
 public:
  virtual ~File() = default;
  virtual std::optional<std::uint64_t> size() = 0;
  // Bytes read at offset: fewer than asked at the end of the file; nullopt on an error.
  virtual std::optional<std::size_t> readAt(std::uint64_t offset, std::span<char> out) = 0;
  virtual bool writeAt(std::uint64_t offset, std::span<const char> bytes) = 0;
  // Puts what was written on the disk.
  virtual bool sync() = 0;
};

enum class OpenMode {
  openOrCreate,  // a missing file is created empty
  existing,      // a missing file is not created
  truncate,      // created or emptied
};

// The file operations the handlers use. Tests put a failing one in its place.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // nullptr when the file can't be opened (or is missing, with OpenMode::existing).
  virtual std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode) = 0;
  virtual FsStatus remove(const std::filesystem::path& path) = 0;
  // Fails, changing nothing, when a file named `to` exists.
  virtual FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Puts `from` in the place of `to` in one step, on the disk when it returns.
  virtual FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

// The file system of the machine the program runs on.
FileSystem& nativeFileSystem();

}  // namespace tarvola
