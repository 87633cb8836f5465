#include "store/record_file.h"

#include <algorithm>

namespace tarvola {

std::optional<RecordFile> RecordFile::open(FileSystem& fs, const std::filesystem::path& path, std::size_t recordLength,
                                           OpenMode mode) {
  std::unique_ptr<File> file = fs.open(path, mode);
  const bool writable = file != nullptr && mode != OpenMode::readOnly;
  if (!file && mode != OpenMode::truncate) file = fs.open(path, OpenMode::readOnly);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->size();
  if (!size) return std::nullopt;
  return RecordFile(std::move(file), recordLength, *size, writable);
}

std::optional<std::string> RecordFile::read(std::uint64_t r) {
  if (r < 1 || r > recordCount_) return std::nullopt;
  std::string record(recordLength_, '\0');
  const std::optional<std::size_t> count = file_->readAt((r - 1) * recordLength_, record);
  if (count != recordLength_) return std::nullopt;
  return record;
}

std::optional<std::string> RecordFile::readAll() {
  std::string records(recordCount_ * recordLength_, '\0');
  const std::optional<std::size_t> count = file_->readAt(0, records);
  if (!count) return std::nullopt;
  // The file may have shrunk since it was opened: keep the whole records that came.
  records.resize(*count / recordLength_ * recordLength_);
  return records;
}

std::optional<std::string> RecordFile::readWholeFile() {
  if (!writable_ || !seenWhole()) return std::nullopt;
  std::string bytes(size_, '\0');
  if (file_->readAt(0, bytes) != bytes.size()) return std::nullopt;
  return bytes;
}

bool RecordFile::append(std::string_view record) {
  const std::uint64_t whole = size_ / recordLength_;
  if (!writable_ || !seenWhole() || whole >= kMaxRecords || record.size() != recordLength_) return false;
  const std::uint64_t at = whole * recordLength_;
  if (!file_->writeAt(at, record) || !file_->sync()) {
    // A full disk may have taken part of the record: cut it off again.
    if (file_->truncate(std::max(at, size_))) file_->sync();
    return false;
  }
  size_ = std::max(size_, at + recordLength_);
  recordCount_ = whole + 1;
  return true;
}

std::optional<std::string> wholeRecordsWithout(std::string_view bytes, std::size_t recordLength, std::uint64_t r) {
  const std::uint64_t count = bytes.size() / recordLength;
  if (r < 1 || r > count) return std::nullopt;
  std::string kept(bytes.substr(0, (r - 1) * recordLength));
  kept += bytes.substr(r * recordLength, (count - r) * recordLength);
  return kept;
}

}  // namespace tarvola
