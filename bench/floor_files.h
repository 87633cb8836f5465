#pragma once

#include <sys/types.h>

#include <filesystem>
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

std::string readWhole(const std::filesystem::path& path);
void writeDurably(const std::filesystem::path& path, std::string_view bytes);
void renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);
// A rename or a removal left for a later syncDirectory to make durable.
void renameOnly(const std::filesystem::path& from, const std::filesystem::path& to);
void removeOnly(const std::filesystem::path& path);
void syncDirectory(const std::filesystem::path& dir);

}  // namespace tarvola::bench
