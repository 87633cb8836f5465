#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/data_files.h"
#include "store/record_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::readBytes;
using test::writeBytes;

class RecordFileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  FileSystem& fs = nativeFileSystem();
};

TEST_F(RecordFileTest, OpeningAMissingFileCreatesItEmpty) {
  const auto path = categoryFile(dir.path());
  std::optional<RecordFile> file = RecordFile::open(fs, path, 40);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->recordCount(), 0u);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(RecordFileTest, OpeningExistingOnlyLeavesAMissingFileMissing) {
  EXPECT_FALSE(RecordFile::open(fs, dir / "0.dat", 250, OpenMode::existing));
  EXPECT_FALSE(std::filesystem::exists(dir / "0.dat"));
}

TEST_F(RecordFileTest, NeverReadsATrailingPartialRecord) {
  writeBytes(dir / "wwww.dat", std::string(40, 'a') + std::string(40, 'b') + std::string(20, 'c'));
  std::optional<RecordFile> file = RecordFile::open(fs, dir / "wwww.dat", 40);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->recordCount(), 2u);
  EXPECT_EQ(file->read(2), std::string(40, 'b'));
  EXPECT_FALSE(file->read(3));
  EXPECT_FALSE(file->read(0));
  EXPECT_EQ(file->readAll(), std::string(40, 'a') + std::string(40, 'b'));
}

TEST_F(RecordFileTest, AppendsRightAfterTheLastWholeRecord) {
  // 2.5 records: the new one replaces the partial tail, overwrites no whole record, leaves no gap.
  writeBytes(dir / "wwww.dat", std::string(40, 'a') + std::string(40, 'b') + std::string(20, 'c'));
  std::optional<RecordFile> file = RecordFile::open(fs, dir / "wwww.dat", 40);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->append(std::string(40, 'd')));
  EXPECT_EQ(file->recordCount(), 3u);
  EXPECT_EQ(readBytes(dir / "wwww.dat"), std::string(40, 'a') + std::string(40, 'b') + std::string(40, 'd'));
}

TEST_F(RecordFileTest, WritesOneRecordInPlaceAndNoOtherByte) {
  std::string five;
  for (char c : std::string("abcde")) five += std::string(250, c);
  writeBytes(dir / "0.dat", five);
  std::optional<RecordFile> file = RecordFile::open(fs, dir / "0.dat", 250);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write(3, std::string(250, 'X')));
  std::string expected = five;
  expected.replace(500, 250, std::string(250, 'X'));
  EXPECT_EQ(readBytes(dir / "0.dat"), expected);
}

TEST_F(RecordFileTest, RefusesToWriteBeyondTheNextRecordOrAWrongLength) {
  std::optional<RecordFile> file = RecordFile::open(fs, dir / "0.dat", 250);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->write(2, std::string(250, 'x')));
  EXPECT_FALSE(file->write(0, std::string(250, 'x')));
  EXPECT_FALSE(file->write(1, std::string(40, 'x')));
  EXPECT_EQ(std::filesystem::file_size(dir / "0.dat"), 0u);
}

TEST_F(RecordFileTest, ADirectoryWhereAFileShouldBeCantBeOpened) {
  std::filesystem::create_directory(dir / "wwww.dat");
  EXPECT_FALSE(RecordFile::open(fs, dir / "wwww.dat", 40));
}

TEST_F(RecordFileTest, ReadsArbitraryBytesOfEveryLengthWithoutCrashing) {
  for (std::size_t length : {0u, 1u, 39u, 40u, 41u, 79u, 249u, 250u, 251u, 1000u}) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 37 + 11) % 256);
    writeBytes(dir / "x.dat", bytes);
    std::optional<RecordFile> file = RecordFile::open(fs, dir / "x.dat", 40);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->recordCount(), length / 40);
    EXPECT_EQ(file->readAll()->size(), length / 40 * 40);
  }
}

TEST(WholeRecordsWithout, DropsOneRecordAndAPartialTailAndRefusesARecordNotThereWhole) {
  const std::string records = "aaaa" "bbbb" "cc";
  EXPECT_EQ(wholeRecordsWithout(records, 4, 1), "bbbb");
  EXPECT_EQ(wholeRecordsWithout(records, 4, 2), "aaaa");
  EXPECT_FALSE(wholeRecordsWithout(records, 4, 0));
  EXPECT_FALSE(wholeRecordsWithout(records, 4, 3));
  EXPECT_EQ(wholeRecordsWithout("xxxx", 4, 1), "");
}

}  // namespace
}  // namespace tarvola
