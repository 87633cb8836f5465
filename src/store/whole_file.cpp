#include "store/whole_file.h"

#include <memory>

#include "store/file_system.h"

namespace tarvola {

std::optional<std::string> readBytes(File& file, std::uint64_t offset, std::uint64_t count) {
  std::string bytes(count, '\0');
  const std::optional<std::size_t> got = file.readAt(offset, bytes);
  if (!got) return std::nullopt;
  bytes.resize(*got);
  return bytes;
}

WholeFile readWholeFile(FileSystem& fs, const std::filesystem::path& path, std::uint64_t limit) {
  using Status = WholeFile::Status;
  FsStatus opened = FsStatus::failed;
  const std::unique_ptr<File> file = fs.open(path, OpenMode::readOnly, opened);
  if (!file) return {opened == FsStatus::missing ? Status::missing : Status::failed, {}};
  const std::optional<std::uint64_t> size = file->size();
  if (!size) return {Status::failed, {}};
  if (*size > limit) return {Status::tooLarge, {}};
  std::optional<std::string> bytes = readBytes(*file, 0, *size);
  if (!bytes) return {Status::failed, {}};
  return {Status::read, std::move(*bytes)};
}

}  // namespace tarvola
