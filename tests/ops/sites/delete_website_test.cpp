#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ops/browse/form_load.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/website_fixture.h"
#include "store/folder_change.h"
#include "support/file_bytes.h"

namespace tarvola {
namespace {

using test::FaultyFileSystem;
using test::Names;
using test::siteFileOf;
using test::siteRecord;
using test::writeBytes;

class DeleteWebsiteTest : public test::WebsiteFixture {
 protected:
  void SetUp() override {
    WebsiteFixture::SetUp();
    writeBytes(dir / "0.dat", others);
    writeBytes(dir / "2.dat", others);
  }
  void showWebsites(const std::string& siteFile, int selected) {
    writeBytes(dir / "1.dat", siteFile);
    selectCategory(1);
    selectWebsite(selected);
  }
  void deleteSelected(bool ok = true) {
    host.answerConfirm(ok);
    scwz_Click(host, folder);
  }

  const std::string a = siteRecord("a", "http://a.cn");
  const std::string b = siteRecord("b", "http://b.cn");
  const std::string c = siteRecord("c", "http://c.cn");
  const std::string d = siteRecord("d", "http://d.cn");
  const std::string others = siteFileOf({"x", "y"});
};

TEST_F(DeleteWebsiteTest, RemovesTheSelectedOfFourWebsites) {
  struct Case {
    int selected;
    std::string left;
    Names shown;
  };
  for (const Case& deletion : {Case{0, b + c + d, {"b", "c", "d"}}, Case{1, a + c + d, {"a", "c", "d"}},
                               Case{3, a + b + c, {"a", "b", "c"}}}) {
    SCOPED_TRACE(deletion.selected);
    showWebsites(a + b + c + d, deletion.selected);
    deleteSelected();
    EXPECT_EQ(siteFileBytes(1), deletion.left);
    EXPECT_EQ(host.items(ListBox::List2), deletion.shown);
    EXPECT_EQ(host.selectedIndex(ListBox::List2), -1);
    EXPECT_EQ(host.selectedIndex(ListBox::List1), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
  }
  EXPECT_EQ(siteFileBytes(0), others);
  EXPECT_EQ(siteFileBytes(2), others);
}

TEST_F(DeleteWebsiteTest, AsksFirstAndLeavesCaptionAndToolTipAsTheyWere) {
  showWebsites(a + b, 1);
  deleteSelected();
  ASSERT_EQ(host.confirmations().size(), 1u);
  EXPECT_EQ(host.confirmations()[0].text, "您是否真的删除所选网站？");
  EXPECT_EQ(host.confirmations()[0].title, "提示");
  EXPECT_EQ(host.caption(), "http://b.cn");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://b.cn");
}

TEST_F(DeleteWebsiteTest, DeletingTheOnlyWebsiteLeavesAnEmptySiteFile) {
  showWebsites(a, 0);
  deleteSelected();
  EXPECT_TRUE(std::filesystem::exists(dir / "1.dat"));
  EXPECT_EQ(siteFileBytes(1), "");
  EXPECT_TRUE(host.items(ListBox::List2).empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

TEST_F(DeleteWebsiteTest, OfTwoWebsitesWithTheSameNameOnlyTheSelectedGoes) {
  const std::string first = siteRecord("same", "http://first.cn");
  const std::string second = siteRecord("same", "http://second.cn");
  showWebsites(first + second, 1);
  deleteSelected();
  EXPECT_EQ(siteFileBytes(1), first);
}

TEST_F(DeleteWebsiteTest, CancelTouchesNoFileAndKeepsTheList) {
  showWebsites(a + b + c, 1);
  const int rebuilds = host.rebuilds(ListBox::List2);
  deleteSelected(false);
  EXPECT_EQ(siteFileBytes(1), a + b + c);
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
  EXPECT_EQ(host.rebuilds(ListBox::List2), rebuilds);
  EXPECT_EQ(host.selectedIndex(ListBox::List2), 1);
}

TEST_F(DeleteWebsiteTest, DoesNothingWithoutASelectedCategoryOrWebsite) {
  showWebsites(a + b, 0);
  host.select(ListBox::List1, -1);
  scwz_Click(host, folder);
  selectCategory(1);
  scwz_Click(host, folder);
  EXPECT_TRUE(host.confirmations().empty());
  EXPECT_EQ(siteFileBytes(1), a + b);
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

TEST_F(DeleteWebsiteTest, ALeftOverTemporaryFileNeverLeaksRecordsIntoTheResult) {
  writeBytes(dir / "ls.dat", siteFileOf({"old1", "old2", "old3", "old4", "old5"}));
  showWebsites(a + b + c, 0);
  deleteSelected();
  EXPECT_EQ(siteFileBytes(1), b + c);
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

TEST_F(DeleteWebsiteTest, MovesTheOtherRecordsAsTheyAreOnTheDisk) {
  // Bytes no code page reads back as they were: a lone lead byte, an unassigned pair, a zero.
  const std::string odd = std::string("\x81", 1) + std::string(49, ' ') + "\xFF\xFF" + std::string(1, '\0') +
                          std::string(197, 'u');
  showWebsites(a + odd + b, 0);
  deleteSelected();
  EXPECT_EQ(siteFileBytes(1), odd + b);
}

TEST_F(DeleteWebsiteTest, APartialTrailingRecordIsDropped) {
  showWebsites(a + b + std::string(100, 'x'), 1);
  deleteSelected();
  EXPECT_EQ(siteFileBytes(1), a);
}

TEST_F(DeleteWebsiteTest, ARecordNoLongerInTheFileDeletesNothing) {
  showWebsites(a + b + c, 2);
  writeBytes(dir / "1.dat", a + b);
  deleteSelected();
  EXPECT_EQ(siteFileBytes(1), a + b);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "b"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

class DeleteWebsiteFaultTest : public DeleteWebsiteTest {
 protected:
  void deleteSecondOfFour(FileSystem& fs) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      if (entry.path().filename() != "wwww.dat") std::filesystem::remove_all(entry.path());
    writeBytes(dir / "1.dat", a + b + c + d);
    test::FakeHost fresh;
    DataFolder through(dir.path(), fs);
    Form_Load(fresh, folder);
    test::selectCategory(fresh, folder, 1);
    test::selectWebsite(fresh, folder, 1);
    fresh.answerConfirm(true);
    scwz_Click(fresh, through);
  }
  // Once the next click has finished a change left pending.
  bool oldOrNew() {
    { const FolderChange next(folder, {}); }
    const std::string after = siteFileBytes(1);
    return after == a + b + c + d || after == a + c + d;
  }
};

TEST_F(DeleteWebsiteFaultTest, ACrashAtAnyStepLeavesTheSiteFileWholeOldOrNew) {
  test::atEveryStep(
      FaultyFileSystem::Fault::crash, [&](FileSystem& fs) { deleteSecondOfFour(fs); },
      [&] { EXPECT_TRUE(oldOrNew()); });
}

TEST_F(DeleteWebsiteFaultTest, AFailureAtAnyStepLeavesTheSiteFileWholeAndNoTemporaryFile) {
  test::atEveryStep(
      FaultyFileSystem::Fault::fail, [&](FileSystem& fs) { deleteSecondOfFour(fs); },
      [&] {
        EXPECT_TRUE(oldOrNew());
        EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
      });
}

// Another program held 1.dat: the change stays recorded, the list shows the
// old websites, and the next click, once the file is let go, finishes it.
TEST_F(DeleteWebsiteFaultTest, AFailedRenameLeavesTheOldFileAndTheNextClickFinishesIt) {
  FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "replace ls.dat 1.dat"; });
  deleteSecondOfFour(fs);
  EXPECT_EQ(siteFileBytes(1), a + b + c + d);
  test::selectCategory(host, folder, 1);
  EXPECT_EQ(siteFileBytes(1), a + c + d);
  EXPECT_EQ(host.items(ListBox::List2), (Names{"a", "c", "d"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

}  // namespace
}  // namespace tarvola
