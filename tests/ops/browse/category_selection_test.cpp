#include <gtest/gtest.h>

#include <filesystem>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
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
    Form_Load(host, nativeFileSystem());
  }
  void select(int position) {
    host.select(ListBox::List1, position);
    List1_Click(host, nativeFileSystem());
  }

  test::TempDir dir;
  test::FakeHost host{dir.path()};
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
  List1_Click(host, fs);
  EXPECT_TRUE(host.items(ListBox::List2).empty());
  EXPECT_EQ(host.caption(), "B");
}

}  // namespace
}  // namespace tarvola
