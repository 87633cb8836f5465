#include <gtest/gtest.h>

#include <filesystem>

#include "store/data_files.h"
#include "store/file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tarvola {
namespace {

using test::readBytes;
using test::writeBytes;

class FileSystemTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  FileSystem& fs = nativeFileSystem();
};

TEST_F(FileSystemTest, NamesTheDataFilesInTheDataDirectory) {
  EXPECT_EQ(categoryFile(dir.path()), dir / "wwww.dat");
  EXPECT_EQ(siteFile(dir.path(), 0), dir / "0.dat");
  EXPECT_EQ(siteFile(dir.path(), 12), dir / "12.dat");
  EXPECT_EQ(siteFile(dir.path(), 32767), dir / "32767.dat");
  EXPECT_EQ(tempCategoryFile(dir.path()), dir / "kl.dat");
  EXPECT_EQ(tempSiteFile(dir.path()), dir / "ls.dat");
}

TEST_F(FileSystemTest, RenameNoReplaceRefusesAnExistingTarget) {
  writeBytes(dir / "3.dat", "three");
  writeBytes(dir / "2.dat", "two");
  EXPECT_EQ(fs.renameNoReplace(dir / "3.dat", dir / "2.dat"), FsStatus::exists);
  EXPECT_EQ(readBytes(dir / "2.dat"), "two");
  EXPECT_EQ(readBytes(dir / "3.dat"), "three");
}

TEST_F(FileSystemTest, RenameNoReplaceMovesAFileToAFreeName) {
  writeBytes(dir / "3.dat", "three");
  EXPECT_EQ(fs.renameNoReplace(dir / "3.dat", dir / "2.dat"), FsStatus::ok);
  EXPECT_EQ(readBytes(dir / "2.dat"), "three");
  EXPECT_FALSE(std::filesystem::exists(dir / "3.dat"));
}

TEST_F(FileSystemTest, TellsAMissingFileFromOtherFailures) {
  EXPECT_EQ(fs.renameNoReplace(dir / "7.dat", dir / "6.dat"), FsStatus::missing);
  EXPECT_EQ(fs.remove(dir / "7.dat"), FsStatus::missing);
  std::filesystem::create_directory(dir / "8.dat");
  std::filesystem::create_directory(dir / "8.dat" / "inside");
  EXPECT_EQ(fs.remove(dir / "8.dat"), FsStatus::failed);
}

TEST_F(FileSystemTest, ReplacePutsTheNewFileOverTheOldWithItsPermissions) {
  using std::filesystem::perms;
  writeBytes(dir / "kl.dat", "new");
  writeBytes(dir / "wwww.dat", "old");
#ifndef _WIN32
  // Windows refuses to replace a read-only file.
  std::filesystem::permissions(dir / "wwww.dat", perms::owner_read | perms::group_read);
#endif
  const perms old = std::filesystem::status(dir / "wwww.dat").permissions();
  EXPECT_EQ(fs.replace(dir / "kl.dat", dir / "wwww.dat"), FsStatus::ok);
  EXPECT_EQ(readBytes(dir / "wwww.dat"), "new");
  EXPECT_EQ(std::filesystem::status(dir / "wwww.dat").permissions(), old);
  EXPECT_FALSE(std::filesystem::exists(dir / "kl.dat"));
}

#ifndef _WIN32
// With no file descriptor left the directory can't be opened for its flush; the rename needs none.
TEST_F(FileSystemTest, AReplaceWhoseDirectoryIsNotFlushedFails) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizers' checks need file descriptors of their own";
#endif
  writeBytes(dir / "kl.dat", "new");
  const int lowestFree = ::dup(STDERR_FILENO);
  ::close(lowestFree);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  const rlimit none{static_cast<rlim_t>(lowestFree), saved.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
  const FsStatus status = fs.replace(dir / "kl.dat", dir / "wwww.dat");
  ::setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(status, FsStatus::failed);
}
#endif

TEST_F(FileSystemTest, RemovesAFileRightAfterItsHandleWasClosed) {
  { ASSERT_TRUE(fs.open(dir / "0.dat", OpenMode::openOrCreate)); }
  EXPECT_EQ(fs.remove(dir / "0.dat"), FsStatus::ok);
  EXPECT_FALSE(std::filesystem::exists(dir / "0.dat"));
}

TEST_F(FileSystemTest, TruncateEmptiesALeftOverFile) {
  writeBytes(dir / "ls.dat", std::string(500, 'x'));
  auto file = fs.open(dir / "ls.dat", OpenMode::truncate);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 0u);
}

// The size seen at the open must not outlive a change made through the handle.
TEST_F(FileSystemTest, TellsTheSizeAfterAWriteOrACutThroughTheHandle) {
  writeBytes(dir / "0.dat", std::string(500, 'x'));
  auto file = fs.open(dir / "0.dat", OpenMode::existing);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 500u);
  ASSERT_TRUE(file->writeAt(500, std::string(250, 'y')));
  EXPECT_EQ(file->size(), 750u);
  ASSERT_TRUE(file->truncate(250));
  EXPECT_EQ(file->size(), 250u);
}

}  // namespace
}  // namespace tarvola
