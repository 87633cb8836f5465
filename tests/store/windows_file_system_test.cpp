// The file rules Windows is strict about, run under Wine on every test run.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/file_system.h"
#include "store/record_file.h"
#include "store/records.h"
#include "store/text_field.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::readBytes;
using test::writeBytes;

class WindowsFileSystemTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  FileSystem& fs = nativeFileSystem();
};

// The names as the system holds them, as UTF-8.
std::vector<std::string> namesIn(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    const std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  return names;
}

TEST_F(WindowsFileSystemTest, ADataDirectoryWithChineseNamesGetsTheFilesUnderThoseNames) {
  // A path made from narrow text would be read in the ANSI code page on Windows: the
  // files would still be found again, in a directory of garbled name.
  const std::filesystem::path dataDir = dir / pathFromUtf8("张三") / pathFromUtf8("桌面 新建") / "Tarvola";
  std::filesystem::create_directories(dataDir);
  {
    std::optional<RecordFile> categories = RecordFile::open(fs, categoryFile(dataDir), CategoryRecord::kLength);
    ASSERT_TRUE(categories);
    ASSERT_TRUE(categories->append(CategoryRecord::withName("新闻").bytes()));
  }

  EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"张三"});
  EXPECT_EQ(namesIn(dir / u8"张三"), std::vector<std::string>{"桌面 新建"});
  const std::filesystem::path written = dir / u8"张三" / u8"桌面 新建" / u8"Tarvola" / u8"wwww.dat";
  EXPECT_EQ(readBytes(written), test::categoryRecord("\xD0\xC2\xCE\xC5"));

  std::optional<RecordFile> again =
      RecordFile::open(fs, categoryFile(dataDir), CategoryRecord::kLength, OpenMode::existing);
  ASSERT_TRUE(again);
  const std::optional<std::string> record = again->read(1);
  ASSERT_TRUE(record);
  EXPECT_EQ(shownText(*record), "新闻");
}

TEST_F(WindowsFileSystemTest, AtomicRewriteReplacesAFileThatWasJustReadAndClosed) {
  writeBytes(dir / "wwww.dat", test::categoryFileOf({"a", "b", "c"}));
  std::string kept;
  {
    std::optional<RecordFile> categories = RecordFile::open(fs, dir / "wwww.dat", CategoryRecord::kLength);
    ASSERT_TRUE(categories);
    kept = *categories->read(1) + *categories->read(3);
  }
  ASSERT_TRUE(rewriteAtomically(fs, dir / "wwww.dat", dir / "kl.dat", kept));
  EXPECT_EQ(readBytes(dir / "wwww.dat"), test::categoryFileOf({"a", "c"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "kl.dat"));
}

TEST_F(WindowsFileSystemTest, RenumberingMovesEachFileIntoTheNameJustFreed) {
  for (const char* name : {"0", "1", "2", "3"}) writeBytes(dir / (std::string(name) + ".dat"), name);
  { ASSERT_TRUE(RecordFile::open(fs, dir / "1.dat", SiteRecord::kLength, OpenMode::existing)); }
  ASSERT_EQ(fs.remove(dir / "1.dat"), FsStatus::ok);
  ASSERT_EQ(fs.renameNoReplace(dir / "2.dat", dir / "1.dat"), FsStatus::ok);
  ASSERT_EQ(fs.renameNoReplace(dir / "3.dat", dir / "2.dat"), FsStatus::ok);
  EXPECT_EQ(readBytes(dir / "0.dat"), "0");
  EXPECT_EQ(readBytes(dir / "1.dat"), "2");
  EXPECT_EQ(readBytes(dir / "2.dat"), "3");
  EXPECT_FALSE(std::filesystem::exists(dir / "3.dat"));
}

}  // namespace
}  // namespace tarvola
