#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvola::bench {

// The file work of a floor in the fewest system calls that do it with the
// program's durability: a whole file in one read; a write put on the disk
// with fsync before anything depends on it; a rename or a removal made
// durable with an fsync of the directory, as the program does it.
class FloorFile {
 public:
  FloorFile(const std::filesystem::path& path, int flags);
  // Takes over a descriptor just opened.
  explicit FloorFile(int fd);
  ~FloorFile();
  FloorFile(const FloorFile&) = delete;
  FloorFile& operator=(const FloorFile&) = delete;

  off_t size() const;
  std::string readAll() const;
  void readAt(off_t offset, std::string& out) const;
  void writeAt(off_t offset, std::string_view bytes) const;
  void truncate(off_t size) const;
  void sync() const;

 private:
  int fd_;
};

// What a correct program does before it changes the data folder, as the
// program does it: the folder's change lock taken (flock), no change left
// pending (one failed open of wwww.chg) and no temporary of one left over (one
// look-up of chg-0.tmp). The lock goes with the object.
class FloorChange {
 public:
  explicit FloorChange(const std::filesystem::path& dir);
  ~FloorChange();
  FloorChange(const FloorChange&) = delete;
  FloorChange& operator=(const FloorChange&) = delete;

 private:
  int lock_;
};

// No change of the folder is pending: wwww.chg can't be opened. What a
// selection must know before it shows a category's websites.
void expectNoChangePending(const std::filesystem::path& dir);

std::string readWhole(const std::filesystem::path& path);
// The whole file in one read when it is there; nothing when it is missing.
std::optional<std::string> readIfThere(const std::filesystem::path& path);
void writeDurably(const std::filesystem::path& path, std::string_view bytes);
void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);
// A rename or a removal left for a later syncDirectory to make durable.
void renameOnly(const std::filesystem::path& from, const std::filesystem::path& to);
void removeOnly(const std::filesystem::path& path);
void syncDirectory(const std::filesystem::path& dir);

// Every file of a data folder read whole once, as plainly as files are read:
// wwww.dat, then the site file of each of its categories (a missing one
// skipped). The bytes read, so that the reads can't be left out.
std::size_t readEveryDataFile(const std::filesystem::path& dir);

}  // namespace tarvola::bench
