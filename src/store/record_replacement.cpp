#include "store/record_replacement.h"

#include <optional>
#include <string>

#include "store/atomic_rewrite.h"
#include "store/record_file.h"

namespace tarvola {

namespace {

std::optional<std::string> withRecordReplaced(FileSystem& fs, const std::filesystem::path& path, std::uint64_t r,
                                              std::string_view record) {
  std::optional<RecordFile> file = RecordFile::open(fs, path, record.size(), OpenMode::existing);
  if (!file || r < 1 || r > file->recordCount()) return std::nullopt;
  std::optional<std::string> bytes = file->readWholeFile();
  if (!bytes || bytes->size() < r * record.size()) return std::nullopt;
  bytes->replace((r - 1) * record.size(), record.size(), record);
  return bytes;
}

}  // namespace

bool replaceRecord(FileSystem& fs, const std::filesystem::path& path, const std::filesystem::path& temp,
                   std::uint64_t r, std::string_view record) {
  // Read under a handle of its own that is closed again: Windows won't rename over an open file.
  const std::optional<std::string> bytes = withRecordReplaced(fs, path, r, record);
  return bytes && rewriteAtomically(fs, path, temp, *bytes);
}

}  // namespace tarvola
