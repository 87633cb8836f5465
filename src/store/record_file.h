#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/file_system.h"
#include "store/records.h"

namespace tarvola {

// A data file seen as fixed-length records numbered from 1. Only whole
// records count: a trailing partial record is never read. A file of any
// length is seen through its first kMaxRecords records; a longer one is
// shown, never written, so nothing past what the list shows is touched.
class RecordFile {
 public:
  static constexpr std::uint64_t kMaxRecords = kMaxListEntries;

  // Opened for reading only when it can't be written (a read-only file or mount).
  static std::optional<RecordFile> open(FileSystem& fs, const std::filesystem::path& path, std::size_t recordLength,
                                        OpenMode mode = OpenMode::openOrCreate);

  // The records seen: the whole records, at most kMaxRecords.
  std::uint64_t recordCount() const { return recordCount_; }
  // Every byte of the file is within the records seen (or a partial last one).
  bool seenWhole() const { return size_ < (kMaxRecords + 1) * recordLength_; }
  std::uint64_t size() const { return size_; }
  // False when it could only be opened for reading: then it is never changed.
  bool writable() const { return writable_; }
  // Record r (1-based), nullopt when it isn't there whole.
  std::optional<std::string> read(std::uint64_t r);
  // All records seen, one after the other.
  std::optional<std::string> readAll();
  // The file byte for byte, a partial last record included, to be rewritten:
  // nothing unless it is writable and seen whole.
  std::optional<std::string> readWholeFile();
  // Adds a record right after the last whole record and puts it on the disk.
  // Refused when the file is not seen whole or is full; a failed append
  // leaves no partial record behind.
  bool append(std::string_view record);

 private:
  RecordFile(std::unique_ptr<File> file, std::size_t recordLength, std::uint64_t size, bool writable)
      : file_(std::move(file)), recordLength_(recordLength), size_(size),
        recordCount_(std::min<std::uint64_t>(size / recordLength, kMaxRecords)), writable_(writable) {}

  std::unique_ptr<File> file_;
  std::size_t recordLength_;
  std::uint64_t size_;
  std::uint64_t recordCount_;
  bool writable_;
};

// The records a list shows of a data file: its whole records, at most
// kMaxRecords. "" when it is missing and `mode` doesn't make it, or a
// directory stands in its place; nothing when it is there but can't be read.
std::optional<std::string> readShownRecords(FileSystem& fs, const std::filesystem::path& path,
                                            std::size_t recordLength, OpenMode mode);

}  // namespace tarvola
