// Another program holding a data file for a moment, a real second process
// under Wine: the system refuses, and the retries bring the change through.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ops/browse/form_load.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"
#include "store/data_folder.h"
#include "store/retrying_file_system.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/held_file.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using namespace std::chrono_literals;
using test::readBytes;
using test::writeBytes;

// About what a scanner takes over a small file; well inside the patience.
constexpr auto kHold = 300ms;

void reportRetries(const std::string& what, std::uint64_t retries) {
  std::printf("%s: %llu retries\n", what.c_str(), static_cast<unsigned long long>(retries));
}

std::optional<std::string> contentOf(const std::filesystem::path& path) {
  if (!std::filesystem::is_regular_file(path)) return std::nullopt;
  return readBytes(path);
}

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
FsStatus removeIt(FileSystem& fs, const test::TempDir& dir) { return fs.remove(dir / "wwww.dat"); }

TEST(HeldFileTest, AFileHeldForAMomentIsWaitedForAndOneThatCanNeverChangeIsNot) {
  enum class Layout { file, readOnlyFile, directory };
  struct Case {
    const char* what;
    Layout layout;
    const char* sharing;  // how another program holds wwww.dat; nullptr: nobody does
    Step step;
    FsStatus first;    // the system's own answer
    FsStatus retried;  // the answer when tried again
    std::optional<std::string> left;  // wwww.dat afterwards; nothing: no file of that name
  };
  const Case cases[] = {
      {"open for writing, held for reading", Layout::file, "read", openForWriting, FsStatus::busy, FsStatus::ok, "old"},
      {"replace onto, held without delete sharing", Layout::file, "read-write", replaceWithNew, FsStatus::busy,
       FsStatus::ok, "new"},
      {"rename, held for reading", Layout::file, "read", renameAway, FsStatus::busy, FsStatus::ok, std::nullopt},
      {"remove, held for reading", Layout::file, "read", removeIt, FsStatus::busy, FsStatus::ok, std::nullopt},
      // Deleted, but the name stays taken until the holder lets go (as on Wine, and
      // on Windows where the file system doesn't free it at once).
      {"remove, held with delete sharing", Layout::file, "all", removeIt, FsStatus::busy, FsStatus::missing,
       std::nullopt},
      {"remove a read-only file", Layout::readOnlyFile, nullptr, removeIt, FsStatus::failed, FsStatus::failed, "old"},
      {"open a directory for writing", Layout::directory, nullptr, openForWriting, FsStatus::failed, FsStatus::failed,
       std::nullopt},
      {"replace onto a directory", Layout::directory, nullptr, replaceWithNew, FsStatus::failed, FsStatus::failed,
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    writeBytes(dir / "kl.dat", "new");
    if (c.layout == Layout::directory) {
      std::filesystem::create_directory(dir / "wwww.dat");
    } else {
      writeBytes(dir / "wwww.dat", "old");
    }
    if (c.layout == Layout::readOnlyFile) SetFileAttributesW((dir / "wwww.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    RetryingFileSystem retrying(systemFileSystem());
    {
      std::optional<test::HeldFile> holder;
      if (c.sharing) holder.emplace(dir / "wwww.dat", c.sharing, kHold);
      ASSERT_TRUE(!holder || holder->held());
      EXPECT_EQ(c.step(systemFileSystem(), dir), c.first);
      EXPECT_EQ(c.step(retrying, dir), c.retried);
      EXPECT_EQ(contentOf(dir / "wwww.dat"), c.left);
    }
    EXPECT_EQ(retrying.retries() > 0, c.sharing != nullptr);
    reportRetries(c.what, retrying.retries());
    if (c.layout == Layout::readOnlyFile) SetFileAttributesW((dir / "wwww.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST(HeldFileTest, ACategoryChangeLandsWhileAnotherProgramHoldsItsFile) {
  test::TempDir dir;
  writeBytes(dir / "wwww.dat", test::categoryFileOf({"A", "B", "C"}));
  writeBytes(dir / "0.dat", test::siteFileOf({"a1"}));
  writeBytes(dir / "1.dat", test::siteFileOf({"b1"}));
  writeBytes(dir / "2.dat", test::siteFileOf({"c1"}));
  test::FakeHost host;
  RetryingFileSystem fs(systemFileSystem());
  DataFolder folder(dir.path(), fs);
  Form_Load(host, folder);

  host.select(ListBox::List1, 1);
  host.answerInput("D");
  {
    // Not shared for writing: already the opening of the file to rewrite it is refused.
    const test::HeldFile holder(dir / "wwww.dat", "read", kHold);
    ASSERT_TRUE(holder.held());
    xgwzlb_Click(host, folder);
  }
  EXPECT_EQ(readBytes(dir / "wwww.dat"), test::categoryFileOf({"A", "D", "C"}));
  const std::uint64_t renameRetries = fs.retries();
  EXPECT_GT(renameRetries, 0u);
  reportRetries("rename a category, wwww.dat held", renameRetries);

  // The deleted category's site file is parked in ls.dat: its name must be free first.
  writeBytes(dir / "ls.dat", "left");
  host.select(ListBox::List1, 0);
  host.answerConfirm(true);
  {
    const test::HeldFile holder(dir / "ls.dat", "all", kHold);
    ASSERT_TRUE(holder.held());
    scwzlb_Click(host, folder);
  }
  EXPECT_GT(fs.retries(), renameRetries);
  reportRetries("delete a category, ls.dat held", fs.retries() - renameRetries);
  const test::Shown expected = {{"D", {"b1"}}, {"C", {"c1"}}};
  EXPECT_EQ(test::shownAfterRestart(dir.path(), fs), expected);
}

}  // namespace
}  // namespace tarvola
