#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "store/file_system.h"

namespace tarvola {

// How long a momentary refusal is tried again: about what SQLite's Windows
// layer gives a scanner or an indexer to let go of a file.
inline constexpr std::chrono::milliseconds kMomentaryPatience{1000};

// Runs `attempt` until it answers other than busy or `patience` has run out,
// waiting a little longer after each try; its last answer. A template: most
// attempts go through at once, and should cost no more than the call.
template <typename Attempt>
FsStatus retryWhileBusy(std::chrono::milliseconds patience, const Attempt& attempt) {
  using Clock = std::chrono::steady_clock;
  FsStatus status = attempt();
  if (status != FsStatus::busy) return status;
  const Clock::time_point deadline = Clock::now() + patience;
  for (int tries = 1; status == FsStatus::busy && Clock::now() < deadline; ++tries) {
    const auto pause = std::min(std::chrono::milliseconds(25 * tries), std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - Clock::now()));
    status = attempt();
  }
  return status;
}

// Another file system whose opens, removes, renames and replaces that come
// back busy are tried again for a while: no change is lost because another
// program held a file for a moment. Still busy in the end counts as failed.
class RetryingFileSystem final : public FileSystem {
 public:
  explicit RetryingFileSystem(FileSystem& inner, std::chrono::milliseconds patience = kMomentaryPatience)
      : inner_(inner), patience_(patience) {}

  // The tries made again so far.
  std::uint64_t retries() const { return retries_; }

  using FileSystem::open;
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) override;
  FsStatus remove(const std::filesystem::path& path) override;
  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus lookUp(const std::filesystem::path& path) override { return inner_.lookUp(path); }
  bool isDirectory(const std::filesystem::path& path) override { return inner_.isDirectory(path); }
  bool syncDirectory(const std::filesystem::path& dir) override { return inner_.syncDirectory(dir); }
  // A held lock is no momentary refusal: whoever waits for it says how long.
  std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                             FsStatus& status) override {
    return inner_.lock(lockFile, patience, status);
  }

 private:
  template <typename Attempt>
  FsStatus retried(const Attempt& attempt);

  FileSystem& inner_;
  std::chrono::milliseconds patience_;
  std::atomic<std::uint64_t> retries_ = 0;
};

}  // namespace tarvola
