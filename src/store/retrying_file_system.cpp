#include "store/retrying_file_system.h"

#include <algorithm>
#include <thread>

namespace tarvola {

FsStatus retryWhileBusy(std::chrono::milliseconds patience, const std::function<FsStatus()>& attempt) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + patience;
  FsStatus status = attempt();
  for (int tries = 1; status == FsStatus::busy && Clock::now() < deadline; ++tries) {
    const auto pause = std::min(std::chrono::milliseconds(25 * tries), std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - Clock::now()));
    status = attempt();
  }
  return status;
}

FsStatus RetryingFileSystem::retried(const std::function<FsStatus()>& attempt) {
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
