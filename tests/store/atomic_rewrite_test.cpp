#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/atomic_rewrite.h"
#include "store/temporary_file.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::FaultyFileSystem;
using test::readBytes;
using test::writeBytes;

class AtomicRewriteTest : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(AtomicRewriteTest, ReplacesTheContentAndLeavesNoTemporaryFile) {
  writeBytes(dir / "wwww.dat", std::string(120, 'o'));
  ASSERT_TRUE(rewriteAtomically(nativeFileSystem(), dir / "wwww.dat", dir / "kl.dat", std::string(80, 'n')));
  EXPECT_EQ(readBytes(dir / "wwww.dat"), std::string(80, 'n'));
  EXPECT_FALSE(std::filesystem::exists(dir / "kl.dat"));
}

TEST_F(AtomicRewriteTest, ALeftOverTemporaryFileNeverLeaksIntoTheResult) {
  writeBytes(dir / "wwww.dat", std::string(120, 'o'));
  writeBytes(dir / "kl.dat", std::string(400, 'z'));
  ASSERT_TRUE(rewriteAtomically(nativeFileSystem(), dir / "wwww.dat", dir / "kl.dat", std::string(40, 'n')));
  EXPECT_EQ(readBytes(dir / "wwww.dat"), std::string(40, 'n'));
}

TEST_F(AtomicRewriteTest, WritesAnEmptyFileWhenNothingIsLeft) {
  writeBytes(dir / "0.dat", std::string(250, 'o'));
  ASSERT_TRUE(rewriteAtomically(nativeFileSystem(), dir / "0.dat", dir / "ls.dat", ""));
  EXPECT_TRUE(std::filesystem::exists(dir / "0.dat"));
  EXPECT_EQ(std::filesystem::file_size(dir / "0.dat"), 0u);
}

TEST_F(AtomicRewriteTest, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
  const std::string old(120, 'o');
  for (int step = 1; step <= 4; ++step) {
    SCOPED_TRACE(step);
    writeBytes(dir / "wwww.dat", old);
    FaultyFileSystem fs;
    fs.faultAt(step, FaultyFileSystem::Fault::fail);
    EXPECT_FALSE(rewriteAtomically(fs, dir / "wwww.dat", dir / "kl.dat", std::string(80, 'n')));
    EXPECT_EQ(readBytes(dir / "wwww.dat"), old);
    EXPECT_FALSE(std::filesystem::exists(dir / "kl.dat"));
  }
}

TEST_F(AtomicRewriteTest, ATemporaryFileThatAnotherProgramHoldsIsNotCleared) {
  FaultyFileSystem fs;
  fs.busyWhen(1, [](const std::string& step) { return step == "remove kl.dat"; });
  EXPECT_FALSE(clearTemporaryFile(fs, dir / "kl.dat"));
}

TEST_F(AtomicRewriteTest, ACrashAtAnyStepLeavesTheOldOrTheNewFileWhole) {
  const std::string old(120, 'o');
  const std::string fresh(80, 'n');
  for (int step = 1; step <= 5; ++step) {
    SCOPED_TRACE(step);
    writeBytes(dir / "wwww.dat", old);
    FaultyFileSystem fs;
    fs.faultAt(step, FaultyFileSystem::Fault::crash);
    try {
      rewriteAtomically(fs, dir / "wwww.dat", dir / "kl.dat", fresh);
    } catch (const FaultyFileSystem::Crash&) {
    }
    const std::string after = readBytes(dir / "wwww.dat");
    EXPECT_TRUE(after == old || after == fresh);
  }
}

}  // namespace
}  // namespace tarvola
