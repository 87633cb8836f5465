#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ops/categories/data_dir_view.h"
#include "store/change_intent.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::Files;

const Files kFiles = {{"wwww.dat", "cats"}, {"0.dat", "zero"}, {"1.dat", "one"}, {"kl.dat", "new cats"}};

TEST(ChangeIntentTest, CarriesOutTheStepsInOrderAndLeavesNoIntent) {
  test::TempDir dir;
  test::writeFiles(dir.path(), kFiles);
  ASSERT_EQ(carryOutChange(nativeFileSystem(), dir.path(),
                            {{ChangeStep::Kind::replace, "kl.dat", "wwww.dat"},
                             {ChangeStep::Kind::moveNoReplace, "0.dat", "ls.dat"},
                             {ChangeStep::Kind::moveNoReplace, "1.dat", "0.dat"},
                             {ChangeStep::Kind::remove, "ls.dat", ""}}),
            ChangeOutcome::done);
  EXPECT_EQ(test::filesIn(dir.path()), (Files{{"wwww.dat", "new cats"}, {"0.dat", "one"}}));
}

// Damaged, partial or hostile records: nothing outside the data files is
// touched, nothing crashes, and the record goes. The hostile ones are whole,
// with their checksums: only the check of the names stops each.
TEST(ChangeIntentTest, ARecordOfAnyBytesIsNeverCarriedOutOutsideTheDataDirectory) {
  using Kind = ChangeStep::Kind;
  test::TempDir root;
  const std::filesystem::path outside = root.path() / "outside";
  const std::string header = "tarvola-change 1\n";
  const std::vector<std::string> records = {
      "",
      "garbage",
      header,
      header + "move 0.dat 1.dat\n",           // no end line: cut short
      header + "move 0.dat 9.dat\nend 1 0\n",  // wrong checksum
      changeRecordText({{Kind::remove, "../outside", ""}}),
      changeRecordText({{Kind::moveNoReplace, "0.dat", "../moved"}}),
      changeRecordText({{Kind::moveNoReplace, "0.dat", "sub/1.dat"}}),
      changeRecordText({{Kind::replace, "kl.dat", "wwww.chg"}}),
      changeRecordText({{Kind::remove, "0.dat extra", "words"}}),
      std::string(5000, '\0'),
  };
  for (const std::string& record : records) {
    SCOPED_TRACE(record.substr(0, 60));
    const std::filesystem::path dir = root.path() / "data";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
    test::writeBytes(outside, "keep");
    test::writeFiles(dir, kFiles);
    test::writeBytes(dir / "wwww.chg", record);
    EXPECT_TRUE(finishPendingChange(nativeFileSystem(), dir));
    EXPECT_EQ(test::filesIn(dir), kFiles);
    EXPECT_EQ(test::readBytes(outside), "keep");
    EXPECT_FALSE(std::filesystem::exists(root.path() / "moved"));
  }
}

}  // namespace
}  // namespace tarvola
