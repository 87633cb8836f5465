#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ops/browse/form_load.h"
#include "ops/categories/category_fixture.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::Names;
using test::categoryRecord;
using test::siteFileOf;

const std::string kSitesOfA = siteFileOf({"a1", "a2"});
const std::string kSitesOfB = siteFileOf({"b1"});
const std::string kSitesOfC = siteFileOf({"c1", "c2", "c3"});

class DeleteCategoryTest : public test::CategoryFixture {
 protected:
  void startWithThree() {
    start({{"wwww.dat", categoryFileOf({"A", "B", "C"})}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfB},
           {"2.dat", kSitesOfC}});
  }
};

TEST_F(DeleteCategoryTest, NoSelectionShowsNoMessageAndChangesNothing) {
  startWithThree();
  const test::Files before = files();
  scwzlb_Click(host, folder);
  EXPECT_TRUE(host.confirmations().empty());
  EXPECT_EQ(files(), before);
  EXPECT_EQ(host.rebuilds(ListBox::List1), 1);
}

TEST_F(DeleteCategoryTest, CancelChangesNoByteAndKeepsTheListAndItsSelection) {
  startWithThree();
  const test::Files before = files();
  deleteAt(1, false);
  expectDeleteConfirmation();
  EXPECT_EQ(files(), before);
  EXPECT_EQ(host.rebuilds(ListBox::List1), 1);
  EXPECT_EQ(host.selectedIndex(ListBox::List1), 1);
}

TEST_F(DeleteCategoryTest, DeletingTheFirstMovesEveryLaterSiteFileDown) {
  startWithThree();
  host.items(ListBox::List2) = {"a1", "a2"};
  host.setCaption("A");
  host.setToolTip(ListBox::List1, "A");
  host.setToolTip(ListBox::List2, "http://a1.example/");
  deleteAt(0);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"B", "C"})}, {"0.dat", kSitesOfB}, {"1.dat", kSitesOfC}}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"B", "C"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
  // The website side still shows the deleted category until another is selected.
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a1", "a2"}));
  EXPECT_EQ(host.caption(), "A");
  EXPECT_EQ(host.toolTip(ListBox::List1), "A");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://a1.example/");
  EXPECT_EQ(test::shownAfterRestart(dir.path()),
            (test::Shown{{"B", {"b1"}}, {"C", {"c1", "c2", "c3"}}}));
}

TEST_F(DeleteCategoryTest, DeletingTheSecondLeavesTheFirstSiteFileAlone) {
  startWithThree();
  deleteAt(1);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"A", "C"})}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfC}}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "C"}));
}

TEST_F(DeleteCategoryTest, DeletingTheLastRenamesNoSiteFile) {
  startWithThree();
  deleteAt(2);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"A", "B"})}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfB}}));
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B"}));
}

TEST_F(DeleteCategoryTest, DeletingTheOnlyCategoryLeavesAnEmptyCategoryFile) {
  start({{"wwww.dat", categoryFileOf({"A"})}, {"0.dat", kSitesOfA}});
  deleteAt(0);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", ""}}));
  EXPECT_TRUE(host.items(ListBox::List1).empty());
}

TEST_F(DeleteCategoryTest, AMissingSiteFileInTheMiddleIsSkipped) {
  start({{"wwww.dat", categoryFileOf({"A", "B", "C"})}, {"0.dat", kSitesOfA}, {"2.dat", kSitesOfC}});
  deleteAt(0);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"B", "C"})}, {"1.dat", kSitesOfC}}));
  EXPECT_EQ(test::shownAfterRestart(dir.path()), (test::Shown{{"B", {}}, {"C", {"c1", "c2", "c3"}}}));
}

TEST_F(DeleteCategoryTest, LeftOverTemporaryFilesLeakNothingAndAreGoneAfterwards) {
  startWithThree();
  test::writeBytes(dir / "kl.dat", categoryFileOf({"X", "Y", "Z", "W"}));
  test::writeBytes(dir / "ls.dat", siteFileOf({"old"}));
  deleteAt(1);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"A", "C"})}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfC}}));
}

TEST_F(DeleteCategoryTest, TheSiteFileOfThePositionAfterTheLastMovesAlongAndLaterOnesStay) {
  startWithThree();
  test::writeBytes(dir / "3.dat", siteFileOf({"stray"}));
  test::writeBytes(dir / "4.dat", siteFileOf({"far"}));
  deleteAt(0);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", categoryFileOf({"B", "C"})},
                                  {"0.dat", kSitesOfB},
                                  {"1.dat", kSitesOfC},
                                  {"2.dat", siteFileOf({"stray"})},
                                  {"4.dat", siteFileOf({"far"})}}));
}

TEST_F(DeleteCategoryTest, CopiesTheKeptRecordsAsBytesAndDropsAPartialLastRecord) {
  const std::string odd = categoryRecord("\xFF\x80\xFE\x30");
  start({{"wwww.dat", odd + categoryRecord("B") + odd + std::string(20, 'z')}});
  deleteAt(1);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", odd + odd}}));
}

TEST_F(DeleteCategoryTest, ASelectionPastTheFileDeletesNothingAndShowsTheFileAgain) {
  startWithThree();
  test::writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B"}));
  const test::Files before = files();
  deleteAt(2);
  EXPECT_EQ(files(), before);
  EXPECT_EQ(host.items(ListBox::List1), (Names{"A", "B"}));
}

TEST_F(DeleteCategoryTest, AMissingCategoryFileDeletesNoSiteFile) {
  startWithThree();
  std::filesystem::remove(dir / "wwww.dat");
  deleteAt(0);
  EXPECT_EQ(files(), (test::Files{{"wwww.dat", ""}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfB}, {"2.dat", kSitesOfC}}));
  EXPECT_TRUE(host.items(ListBox::List1).empty());
}

}  // namespace
}  // namespace tarvola
