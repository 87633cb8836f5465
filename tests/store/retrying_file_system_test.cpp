#include "store/retrying_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using namespace std::chrono_literals;

using Step = std::function<FsStatus(FileSystem&, const test::TempDir&)>;

FsStatus openForWriting(FileSystem& fs, const test::TempDir& dir) {
  FsStatus status = FsStatus::failed;
  fs.open(dir / "wwww.dat", OpenMode::existing, status);
  return status;
}

FsStatus replaceWithNew(FileSystem& fs, const test::TempDir& dir) {
  return fs.replace(dir / "kl.dat", dir / "wwww.dat");
}

FsStatus renameAway(FileSystem& fs, const test::TempDir& dir) {
  return fs.renameNoReplace(dir / "wwww.dat", dir / "1.dat");
}

FsStatus takeLock(FileSystem& fs, const test::TempDir& dir) {
  FsStatus status = FsStatus::failed;
  fs.lock(dir / "wwww.lock", 0ms, status);
  return status;
}

TEST(RetryingFileSystemTest, TriesAMomentaryRefusalAgainForItsPatienceButNeverALock) {
  struct Case {
    const char* what;
    Step step;
    const char* refused;  // the step of the faulty file system that reports busy
    int refusals;
    std::chrono::milliseconds patience;
    FsStatus expected;
    std::optional<std::uint64_t> retries;  // none: some, as many as fit in the patience
  };
  const Case cases[] = {
      {"open refused twice", openForWriting, "open wwww.dat", 2, kMomentaryPatience, FsStatus::ok, 2},
      {"replace refused three times", replaceWithNew, "replace kl.dat wwww.dat", 3, kMomentaryPatience, FsStatus::ok,
       3},
      {"rename refused longer than the patience", renameAway, "rename wwww.dat 1.dat", 1000, 50ms, FsStatus::failed,
       std::nullopt},
      {"lock held by another change", takeLock, "lock wwww.lock", 1, kMomentaryPatience, FsStatus::busy, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    test::writeBytes(dir / "wwww.dat", "old");
    test::writeBytes(dir / "kl.dat", "new");
    test::FaultyFileSystem faulty(systemFileSystem());
    faulty.busyWhen(c.refusals, [&c](const std::string& step) { return step == c.refused; });
    RetryingFileSystem retrying(faulty, c.patience);

    EXPECT_EQ(c.step(retrying, dir), c.expected);
    const auto tries = std::count(faulty.log().begin(), faulty.log().end(), c.refused);
    EXPECT_EQ(static_cast<std::uint64_t>(tries), retrying.retries() + 1);
    if (c.retries) {
      EXPECT_EQ(retrying.retries(), *c.retries);
    } else {
      EXPECT_GT(retrying.retries(), 0u);
    }
  }
}

}  // namespace
}  // namespace tarvola
