#include <gtest/gtest.h>

#include <filesystem>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "store/change_intent.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteFileOf;
using test::writeBytes;
using Names = std::vector<std::string>;

class CategorySelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B  ", " C"}));
    Form_Load(host, folder);
  }
  void select(int position) {
    host.select(ListBox::List1, position);
    List1_Click(host, folder);
  }

  test::TempDir dir;
  test::FakeHost host;
  DataFolder folder{dir.path(), nativeFileSystem()};
};

TEST_F(CategorySelectionTest, ShowsTheWebsitesOfTheSiteFileNamedByTheListPosition) {
  writeBytes(dir / "0.dat", siteFileOf({"a1"}));
  writeBytes(dir / "1.dat", siteFileOf({"b1", "b2", "b3"}));
  select(1);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"b1", "b2", "b3"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List2), -1);
  select(0);
  EXPECT_EQ(host.items(ListBox::List2), Names{"a1"});
}

TEST_F(CategorySelectionTest, ShowsTheNameWithoutTrailingBlanksInCaptionAndToolTip) {
  select(1);
  EXPECT_EQ(host.caption(), "B");
  EXPECT_EQ(host.toolTip(ListBox::List1), "B");
  select(2);
  EXPECT_EQ(host.caption(), " C");
  EXPECT_EQ(host.toolTip(ListBox::List1), " C");
}

TEST_F(CategorySelectionTest, CreatesTheSiteFileOfACategoryNeverSelectedBefore) {
  select(2);
  EXPECT_TRUE(std::filesystem::exists(dir / "2.dat"));
  EXPECT_EQ(std::filesystem::file_size(dir / "2.dat"), 0u);
  EXPECT_TRUE(host.items(ListBox::List2).empty());
}

TEST_F(CategorySelectionTest, ShowsTwoWebsitesForASiteFileOfSixHundredBytes) {
  writeBytes(dir / "0.dat", siteFileOf({"x", "y"}) + std::string(100, 'z'));
  select(0);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"x", "y"}));
}

TEST_F(CategorySelectionTest, KeepsTheWebsitesToolTipOfTheLastWebsiteClicked) {
  host.setToolTip(ListBox::List2, "http://old/");
  select(0);
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://old/");
}

TEST_F(CategorySelectionTest, EmptiesTheWebsiteListButNamesTheCategoryWhenTheFileCantBeRead) {
  writeBytes(dir / "0.dat", siteFileOf({"x"}));
  select(0);
  test::FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "open 1.dat"; });
  host.select(ListBox::List1, 1);
  DataFolder failing(dir.path(), fs);
  List1_Click(host, failing);
  EXPECT_TRUE(host.items(ListBox::List2).empty());
  EXPECT_EQ(host.caption(), "B");
}

// A deletion of B interrupted, then held up: another program has the files.
// Once they are let go, the next click finishes it, without a restart, and the
// list that showed the old categories is read again before any websites show.
TEST_F(CategorySelectionTest, AChangeLeftPendingIsFinishedByTheNextClickOnceTheFilesAreLetGo) {
  using Kind = ChangeStep::Kind;
  for (const char* name : {"0", "1", "2"}) writeBytes(dir / (std::string(name) + ".dat"), siteFileOf({name}));
  writeBytes(dir / "kl.dat", categoryFileOf({"A", " C"}));
  writeBytes(dir / "wwww.chg", changeRecordText({{Kind::replace, "kl.dat", "wwww.dat"},
                                                 {Kind::moveNoReplace, "1.dat", "ls.dat"},
                                                 {Kind::moveNoReplace, "2.dat", "1.dat"}}));
  test::FaultyFileSystem held;
  held.failWhen([](const std::string& step) { return step.starts_with("replace") || step.starts_with("rename"); });
  host.select(ListBox::List1, 2);
  DataFolder heldFolder(dir.path(), held);
  List1_Click(host, heldFolder);
  EXPECT_TRUE(host.items(ListBox::List2).empty());
  EXPECT_TRUE(host.caption().starts_with("上次的更改尚未完成")) << host.caption();

  List1_Click(host, folder);
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", " C"}));
  EXPECT_TRUE(host.items(ListBox::List2).empty());
  select(1);
  EXPECT_EQ(host.items(ListBox::List2), Names{"2"});
  EXPECT_EQ(host.caption(), " C");
  EXPECT_FALSE(std::filesystem::exists(dir / "wwww.chg"));
}

}  // namespace
}  // namespace tarvola
