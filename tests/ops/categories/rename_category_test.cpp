#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ops/browse/form_load.h"
#include "ops/categories/category_fixture.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/rename_category.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::Names;
using test::categoryRecord;
using test::readBytes;
using test::siteFileOf;
using test::writeBytes;

class RenameCategoryTest : public test::CategoryFixture {
 protected:
  void SetUp() override {
    files = {{"wwww.dat", categoryFileOf({"A", "B", "C"})},
             {"0.dat", siteFileOf({"a1"})},
             {"1.dat", siteFileOf({"b1", "b2"})},
             {"2.dat", siteFileOf({"c1"})}};
    start(files);
  }

  test::Files files;
};

TEST_F(RenameCategoryTest, NoSelectionShowsNoInputBoxAndChangesNothing) {
  xgwzlb_Click(host, folder);
  EXPECT_TRUE(host.prompts().empty());
  EXPECT_EQ(host.rebuilds(ListBox::List1), 1);
  EXPECT_EQ(test::filesIn(dir.path()), files);
}

TEST_F(RenameCategoryTest, RenamingTheSecondRewritesRecordTwoOnlyAndKeepsTheWebsiteSide) {
  host.items(ListBox::List2) = {"b1", "b2"};
  host.setCaption("B");
  host.setToolTip(ListBox::List1, "B");
  rename(1, "新闻");
  files["wwww.dat"] = categoryRecord("A") + categoryRecord("\xD0\xC2\xCE\xC5") + categoryRecord("C");
  EXPECT_EQ(test::filesIn(dir.path()), files);
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "新闻", "C"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"b1", "b2"}));
  EXPECT_EQ(host.caption(), "B");
  EXPECT_EQ(host.toolTip(ListBox::List1), "B");
}

TEST_F(RenameCategoryTest, ProposesTheEntryWithoutItsTrailingBlanks) {
  host.items(ListBox::List1) = {"A", "  B  ", "C"};
  rename(1, "B");
  expectNamePrompt("  B");
}

TEST_F(RenameCategoryTest, CancelChangesNoByteButRebuildsTheListWithoutSelection) {
  rename(2, "");
  EXPECT_EQ(test::filesIn(dir.path()), files);
  EXPECT_EQ(host.rebuilds(ListBox::List1), 2);
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B", "C"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
}

TEST_F(RenameCategoryTest, StoresEachNameCutOrFilledToFortyBytes) {
  struct Case {
    std::string typed;
    std::string stored;
    std::string shown;
  };
  std::string chinese25;
  std::string gbk20;
  for (int i = 0; i < 25; ++i) chinese25 += "网";
  for (int i = 0; i < 20; ++i) gbk20 += "\xCD\xF8";
  const std::vector<Case> cases = {
      {std::string(45, 'x'), std::string(40, 'x'), std::string(40, 'x')},
      {chinese25, gbk20, chinese25.substr(0, 60)},
      {"   ", "", ""},
      {"  lead", "  lead", "  lead"},
      {"C", "C", "C"},  // the name of another category
      {"B", "B", "B"},  // OK on the unchanged name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    rename(1, c.typed);
    EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryRecord("A") + categoryRecord(c.stored) + categoryRecord("C"));
    EXPECT_EQ(host.items(ListBox::List1), (Names{"A", c.shown, "C"}));
  }
}

TEST_F(RenameCategoryTest, NeverGrowsTheFileWhenTheListShowsMoreThanItHolds) {
  const std::string damaged = categoryFileOf({"A", "B"}) + std::string(20, 'z');
  writeBytes(dir / "wwww.dat", damaged);
  rename(2, "X");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), damaged);
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B"}));
}

TEST_F(RenameCategoryTest, LeavesBytesTheCodecCantReadInOtherRecordsUntouched) {
  const std::string odd = categoryRecord("\xFF\x80\xFE");
  writeBytes(dir / "wwww.dat", odd + categoryRecord("B") + odd);
  rename(1, "X");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), odd + categoryRecord("X") + odd);
}

}  // namespace
}  // namespace tarvola
