#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>


namespace tarvola {

class File;
class FileSystem;

// `count` bytes of an open file from `offset`, fewer where the file ends; nothing on an error.
std::optional<std::string> readBytes(File& file, std::uint64_t offset, std::uint64_t count);

struct WholeFile {
  enum class Status { read, missing, tooLarge, failed };
  Status status = Status::failed;
  std::string bytes;
};

// A file's bytes, read only to look at them, through a handle that is closed
// again. A file longer than `limit` is refused by its size, unread.
WholeFile readWholeFile(FileSystem& fs, const std::filesystem::path& path, std::uint64_t limit);

}  // namespace tarvola
