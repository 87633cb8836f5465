#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "store/data_files.h"
#include "store/record_file.h"
#include "store/folder_change.h"
#include "support/faulty_file_system.h"
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

// A sparse file of any size: the first records are seen, nothing is read
// whole, nothing is written, no rewrite takes it.
TEST_F(RecordFileTest, AHugeFileIsSeenThroughItsFirstRecordsAndNeverWritten) {
  test::writeSparse(dir / "wwww.dat", std::string(40, 'a'), test::kHugeSize);
  std::optional<RecordFile> file = RecordFile::open(fs, dir / "wwww.dat", 40);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->recordCount(), RecordFile::kMaxRecords);
  EXPECT_EQ(file->read(1), std::string(40, 'a'));
  EXPECT_EQ(file->readAll()->size(), RecordFile::kMaxRecords * 40);
  EXPECT_FALSE(file->readWholeFile());
  EXPECT_FALSE(file->append(std::string(40, 'b')));
  DataFolder folder(dir.path(), fs);
  EXPECT_FALSE(FolderChange(folder, {}).readToRewrite("wwww.dat", 40));
  EXPECT_EQ(test::sizeOf(dir / "wwww.dat"), test::kHugeSize);
}

TEST_F(RecordFileTest, AFileThatCantBeWrittenIsReadAndNeverChanged) {
  writeBytes(dir / "wwww.dat", std::string(40, 'a'));
  test::FaultyFileSystem faulty;
  faulty.failWhen([](const std::string& step) { return step == "open wwww.dat"; });
  std::optional<RecordFile> file = RecordFile::open(faulty, dir / "wwww.dat", 40);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->writable());
  EXPECT_EQ(file->readAll(), std::string(40, 'a'));
  EXPECT_FALSE(file->append(std::string(40, 'b')));
  DataFolder folder(dir.path(), faulty);
  EXPECT_FALSE(FolderChange(folder, {}).readToRewrite("wwww.dat", 40));
  EXPECT_EQ(readBytes(dir / "wwww.dat"), std::string(40, 'a'));
}

TEST_F(RecordFileTest, AnAppendOntoAFullDiskLeavesNoPartialRecord) {
  writeBytes(dir / "wwww.dat", std::string(40, 'a') + "cc");
  test::FaultyFileSystem faulty;
  faulty.fillDiskWhen([](const std::string& step) { return step == "write wwww.dat"; });
  std::optional<RecordFile> file = RecordFile::open(faulty, dir / "wwww.dat", 40);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->append(std::string(40, 'b')));
  EXPECT_EQ(std::filesystem::file_size(dir / "wwww.dat"), 42u);
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
