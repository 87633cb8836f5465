#include "store/record_file.h"

namespace tarvola {

std::optional<RecordFile> RecordFile::open(FileSystem& fs, const std::filesystem::path& path, std::size_t recordLength,
                                           OpenMode mode) {
  std::unique_ptr<File> file = fs.open(path, mode);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->size();
  if (!size) return std::nullopt;
  return RecordFile(std::move(file), recordLength, *size / recordLength);
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

bool RecordFile::write(std::uint64_t r, std::string_view record) {
  if (r < 1 || r > recordCount_ + 1 || record.size() != recordLength_) return false;
  if (!file_->writeAt((r - 1) * recordLength_, record) || !file_->sync()) return false;
  if (r > recordCount_) recordCount_ = r;
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
