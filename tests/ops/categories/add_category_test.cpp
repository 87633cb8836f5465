#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ops/browse/form_load.h"
#include "ops/categories/add_category.h"
#include "ops/categories/category_fixture.h"
#include "ops/categories/data_dir_view.h"
#include "support/fake_host.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::Names;
using test::categoryRecord;
using test::readBytes;
using test::writeBytes;

std::string repeated(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

class AddCategoryTest : public test::CategoryFixture {
 protected:
  void start(const std::string& categoryFile) { CategoryFixture::start({{"wwww.dat", categoryFile}}); }
};

TEST_F(AddCategoryTest, FirstCategoryCreatesTheFileWithOneRecordAndAsksWithAnEmptyDefault) {
  add("新闻");
  expectNamePrompt("");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryRecord("\xD0\xC2\xCE\xC5"));
  EXPECT_EQ(host.items(ListBox::List1), Names{"新闻"});
  EXPECT_EQ(test::filesIn(dir.path()).size(), 1u);
}

TEST_F(AddCategoryTest, AppendsTheFourthRecordAndLeavesTheWebsiteSideAlone) {
  start(categoryFileOf({"A", "B", "C"}));
  host.select(ListBox::List1, 1);
  host.items(ListBox::List2) = {"b1", "b2"};
  host.select(ListBox::List2, 0);
  host.setCaption("http://b1.cn");
  host.setToolTip(ListBox::List1, "B");
  host.setToolTip(ListBox::List2, "http://b1.cn");
  add("News");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryFileOf({"A", "B", "C", "News"}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B", "C", "News"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"b1", "b2"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List2), 0);
  EXPECT_EQ(host.caption(), "http://b1.cn");
  EXPECT_EQ(host.toolTip(ListBox::List1), "B");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://b1.cn");
  EXPECT_EQ(host.rebuilds(ListBox::List2), 0);
}

TEST_F(AddCategoryTest, CancelOrAnEmptyAnswerChangesNoByteAndKeepsTheListAndItsSelection) {
  start(categoryFileOf({"A", "B"}));
  host.select(ListBox::List1, 1);
  add("");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryFileOf({"A", "B"}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), 1);
  EXPECT_EQ(host.rebuilds(ListBox::List1), 1);
}

TEST_F(AddCategoryTest, StoresEachNameCutOrFilledToFortyBytes) {
  struct Case {
    std::string typed;
    std::string stored;
    std::string shown;
  };
  const std::string fortyFive = repeated("x", 45);
  const std::vector<Case> cases = {
      {fortyFive, repeated("x", 40), repeated("x", 40)},
      {repeated("网", 25), repeated("\xCD\xF8", 20), repeated("网", 20)},
      {"   ", repeated(" ", 40), ""},
      {"  lead", "  lead", "  lead"},
      {"trail  ", "trail", "trail"},
      {"A", "A", "A"},  // the name of another category
  };
  start(categoryFileOf({"A"}));
  Names shown{"A"};
  std::string file = categoryRecord("A");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    add(c.typed);
    file += categoryRecord(c.stored);
    shown.push_back(c.shown);
    EXPECT_EQ(readBytes(dir / "wwww.dat"), file);
    EXPECT_EQ(host.items(ListBox::List1), shown);
  }
}

TEST_F(AddCategoryTest, AppendsRightAfterTheLastWholeRecordOfADamagedFile) {
  const std::string damaged = categoryFileOf({"A", "B"}) + std::string(20, 'z');
  start(damaged);
  add("C");
  EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryFileOf({"A", "B", "C"}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B", "C"}));
}

TEST_F(AddCategoryTest, ACategoryFileThatCantBeWrittenIsStillShown) {
  start(categoryFileOf({"A"}));
  test::FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "open wwww.dat"; });
  host.answerInput("B");
  DataFolder failing(dir.path(), fs);
  wzlb_Click(host, failing);
  EXPECT_EQ(readBytes(dir / "wwww.dat"), categoryFileOf({"A"}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A"}));
}

}  // namespace
}  // namespace tarvola
