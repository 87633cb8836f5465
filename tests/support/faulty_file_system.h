#pragma once

#include <filesystem>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/file_system.h"

namespace tarvola::test {

// The real file system, with a step that can be made to fail. Every call is
// one step: open, size, read, write, truncate, sync, remove, rename, replace,
// look, isdir, syncdir, lock.
class FaultyFileSystem final : public FileSystem {
 public:
  enum class Fault {
    none,
    fail,   // the step reports failure and changes nothing
    crash,  // the program stops before the step: it throws Crash
    busy,   // another program holds the file: the step reports busy, as Windows may
  };
  struct Crash {};

  explicit FaultyFileSystem(FileSystem& real = nativeFileSystem()) : real_(real) {}

  // Makes step number `step` (counted from 1) go wrong; later steps go on normally.
  void faultAt(int step, Fault fault) {
    faultStep_ = step;
    fault_ = fault;
  }
  // Makes every step that matches go wrong, e.g. all renames of one file.
  void failWhen(std::function<bool(const std::string& step)> matches) { failWhen_ = std::move(matches); }
  // The first `times` steps that match report busy.
  void busyWhen(int times, std::function<bool(const std::string& step)> matches) {
    busyTimes_ = times;
    busyWhen_ = std::move(matches);
  }
  // Runs `interruption` just before step `step`, as another process would at that moment.
  void beforeStep(int step, std::function<void()> interruption) {
    interruptionStep_ = step;
    interruption_ = std::move(interruption);
  }
  // Waits at most this long for a lock, whatever the caller would wait.
  void limitLockPatience(std::chrono::milliseconds patience) { lockPatience_ = patience; }
  // Makes every write that matches stop half-way, as on a full disk.
  void fillDiskWhen(std::function<bool(const std::string& step)> matches) { fillDiskWhen_ = std::move(matches); }
  bool diskFullFor(const std::string& step) const { return fillDiskWhen_ && fillDiskWhen_(step); }

  int steps() const { return steps_; }
  const std::vector<std::string>& log() const { return log_; }

  using FileSystem::open;
  std::unique_ptr<File> open(const std::filesystem::path& path, OpenMode mode, FsStatus& status) override;
  FsStatus remove(const std::filesystem::path& path) override;
  FsStatus renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  FsStatus lookUp(const std::filesystem::path& path) override;
  bool isDirectory(const std::filesystem::path& path) override;
  bool syncDirectory(const std::filesystem::path& dir) override;
  std::unique_ptr<Lock> lock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience,
                             FsStatus& status) override;

  // Counts one step; ok, or how it must go wrong: failed or busy.
  FsStatus step(const std::string& description);

 private:
  FileSystem& real_;
  int steps_ = 0;
  int faultStep_ = 0;
  Fault fault_ = Fault::none;
  std::function<bool(const std::string&)> failWhen_;
  std::function<bool(const std::string&)> fillDiskWhen_;
  int busyTimes_ = 0;
  std::function<bool(const std::string&)> busyWhen_;
  int interruptionStep_ = 0;
  std::function<void()> interruption_;
  std::optional<std::chrono::milliseconds> lockPatience_;
  std::vector<std::string> log_;
};

}  // namespace tarvola::test
