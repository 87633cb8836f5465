#include "bookmarks/collection_files.h"

#include <system_error>

#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

bool fileExists(const std::filesystem::path& path) {
  std::error_code error;
  // An entry that can't be looked at counts as there: it must not be overwritten.
  return std::filesystem::exists(path, error) || error;
}

namespace {

// Nothing when the file is there but can't be read, or when it must be
// changeable and isn't: read-only, or longer than the records a list shows.
std::optional<std::string> readRecords(FileSystem& fs, const std::filesystem::path& path, std::size_t recordLength,
                                       bool toChange) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, recordLength, OpenMode::existing);
  if (!file) {
    if (fileExists(path)) return std::nullopt;
    return std::string();
  }
  if (toChange && (!file->writable() || !file->seenWhole())) return std::nullopt;
  return file->readAll();
}

}  // namespace

std::optional<std::string> readWholeRecords(FileSystem& fs, const std::filesystem::path& path,
                                            std::size_t recordLength) {
  return readRecords(fs, path, recordLength, false);
}

std::optional<std::string> readChangeableRecords(FileSystem& fs, const std::filesystem::path& path,
                                                 std::size_t recordLength) {
  return readRecords(fs, path, recordLength, true);
}

bool holdsTooManyRecords(std::string_view records, std::size_t recordLength) {
  return records.size() / recordLength > RecordFile::kMaxRecords;
}

std::vector<std::string> shownCategoryNames(std::string_view categoryRecords) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at + CategoryRecord::kLength <= categoryRecords.size(); at += CategoryRecord::kLength)
    names.push_back(
        CategoryRecord::fromBytes(std::span<const char, CategoryRecord::kLength>(categoryRecords.data() + at,
                                                                                 CategoryRecord::kLength))
            .shownName());
  return names;
}

}  // namespace tarvola
