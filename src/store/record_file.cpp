#include "store/record_file.h"

#include <algorithm>

#include "store/whole_file.h"

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
  std::optional<std::string> record = readBytes(*file_, (r - 1) * recordLength_, recordLength_);
  if (!record || record->size() != recordLength_) return std::nullopt;
  return record;
}

std::optional<std::string> RecordFile::readAll() {
  std::optional<std::string> records = readBytes(*file_, 0, recordCount_ * recordLength_);
  // The file may have shrunk since it was opened: keep the whole records that came.
  if (records) records->resize(records->size() / recordLength_ * recordLength_);
  return records;
}

std::optional<std::string> RecordFile::readWholeFile() {
  if (!writable_ || !seenWhole()) return std::nullopt;
  std::optional<std::string> bytes = readBytes(*file_, 0, size_);
  if (!bytes || bytes->size() != size_) return std::nullopt;
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

std::optional<std::string> readShownRecords(FileSystem& fs, const std::filesystem::path& path,
                                            std::size_t recordLength, OpenMode mode) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, recordLength, mode);
  if (file) return file->readAll();
  const bool missing = fs.lookUp(path) == FsStatus::missing || fs.isDirectory(path);
  return missing ? std::optional<std::string>("") : std::nullopt;
}

}  // namespace tarvola
