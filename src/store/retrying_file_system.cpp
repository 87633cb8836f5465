#include "store/retrying_file_system.h"

namespace tarvola {

template <typename Attempt>
FsStatus RetryingFileSystem::retried(const Attempt& attempt) {
  bool first = true;
  const FsStatus status = retryWhileBusy(patience_, [&] {
    if (!first) ++retries_;
    first = false;
    return attempt();
  });
  return status == FsStatus::busy ? FsStatus::failed : status;
}

std::unique_ptr<File> RetryingFileSystem::open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) {
  std::unique_ptr<File> file;
  status = retried([&] {
    FsStatus tried = FsStatus::failed;
    file = inner_.open(path, mode, tried);
    return tried;
  });
  return file;
}

FsStatus RetryingFileSystem::remove(const std::filesystem::path& path) {
  return retried([&] { return inner_.remove(path); });
}

FsStatus RetryingFileSystem::renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return retried([&] { return inner_.renameNoReplace(from, to); });
}

FsStatus RetryingFileSystem::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return retried([&] { return inner_.replace(from, to); });
}

FileSystem& nativeFileSystem() {
  static RetryingFileSystem instance(systemFileSystem());
  return instance;
}

}  // namespace tarvola
