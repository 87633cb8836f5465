#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace tarvola {

// A data file seen as fixed-length records numbered from 1. Only whole
// records count: a trailing partial record is never read, and an append goes
// right after the last whole record.
class RecordFile {
 public:
  static std::optional<RecordFile> open(FileSystem& fs, const std::filesystem::path& path, std::size_t recordLength,
                                        OpenMode mode = OpenMode::openOrCreate);

  std::uint64_t recordCount() const { return recordCount_; }
  // Record r (1-based), nullopt when it isn't there whole.
  std::optional<std::string> read(std::uint64_t r);
  // All whole records, one after the other.
  std::optional<std::string> readAll();
  // Writes record r and puts it on the disk. Never past the record after the last.
  bool write(std::uint64_t r, std::string_view record);
  bool append(std::string_view record) { return write(recordCount_ + 1, record); }

 private:
  RecordFile(std::unique_ptr<File> file, std::size_t recordLength, std::uint64_t recordCount)
      : file_(std::move(file)), recordLength_(recordLength), recordCount_(recordCount) {}

  std::unique_ptr<File> file_;
  std::size_t recordLength_;
  std::uint64_t recordCount_;
};

// The whole records of `bytes` but record r (1-based), copied as they are: a
// field the codec can't read survives untouched, and a partial last record is
// left out. Nothing when record r isn't there whole.
std::optional<std::string> wholeRecordsWithout(std::string_view bytes, std::size_t recordLength, std::uint64_t r);

}  // namespace tarvola
