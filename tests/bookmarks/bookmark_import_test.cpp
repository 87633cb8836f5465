#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_import.h"
#include "bookmarks/collection_listing.h"
#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/record_file.h"
#include "store/records.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_folder.h"

namespace tarvola {
namespace {

using Status = ImportOutcome::Status;
using test::collectionListing;
using test::fixtureBytes;

struct FixtureCase {
  const char* fixture;
  Status status;
  std::string listing;  // of an empty collection after the import
  std::size_t skipped;
};

const std::vector<FixtureCase> kFixtures = {
    {"firefox-nested-folders.html", Status::done,
     "未分类: 获取 帮助 <https://www.mozilla.org/zh-CN/firefox/>\n"
     "书签工具栏: 新闻 & 评论 <https://news.example.cn/?a=1&b=2> 文件站 <ftp://ftp.example.org/pub/>\n"
     "书签工具栏/学习: http://docs.example.org/ <http://docs.example.org/>\n"
     "书签工具栏/学习/空文件夹:\n"
     "其他书签:\n",
     3},
    {"chromium-bookmarks-bar.html", Status::done,
     "书签栏: 示例 <https://www.example.com/> 中文路径 <https://%E4%BE%8B%E5%AD%90.example/路径>\n"
     "其他书签:\n",
     0},
    {"internet-explorer-gbk.html", Status::done,
     "链接: 中国黄页 <http://www.example.com.cn/>\n未分类: 不在文件夹里 <http://www.example.net/>\n", 0},
    {"no-charset-utf8.html", Status::done, "未分类: 没有字符集的 UTF-8 <https://example.org/无字符集>\n", 0},
    {"hostile-and-long-addresses.html", Status::done,
     "未分类: 刚好放下 <https://example.org/" + std::string(180, 'a') + "> 汉字各占两个字节 <https://example.org/" +
         [] {
           std::string s;
           for (int i = 0; i < 90; ++i) s += "中";
           return s;
         }() +
         ">\n",
     4},
    {"unknown-charset.html", Status::unreadable, "", 0},
    {"not-a-bookmark-file.txt", Status::unreadable, "", 0},
};

std::string categoriesOf(std::initializer_list<const char*> names) {
  std::string records;
  for (const char* name : names) records += CategoryRecord::withName(name).bytes();
  return records;
}

class BookmarkImportTest : public ::testing::Test {
 protected:
  test::TempDir dir;
};

TEST_F(BookmarkImportTest, BrowserFilesImportAsTheyShowInTheBrowser) {
  for (const FixtureCase& c : kFixtures) {
    SCOPED_TRACE(c.fixture);
    test::TempDir empty;
    const ImportOutcome outcome = importBookmarks(test::Folder(empty.path()), fixtureBytes(c.fixture));
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(collectionListing(empty.path()), c.listing);
    EXPECT_EQ(outcome.plan.skipped.size(), c.skipped);
    EXPECT_TRUE(std::filesystem::is_empty(empty.path()) || std::filesystem::exists(categoryFile(empty.path())));
  }
}

TEST_F(BookmarkImportTest, AFolderOfAnExistingNameAddsToItAndKeepsEveryOldRecordAsItWas) {
  const std::string oldSites = test::siteFileOf({"old"}) + "partial";
  const std::string oldCategories = categoriesOf({"书签栏", "other"});
  test::writeBytes(categoryFile(dir.path()), oldCategories + "torn");
  test::writeBytes(siteFile(dir.path(), 0), oldSites);
  const ImportOutcome outcome = importBookmarks(test::Folder(dir.path()), fixtureBytes("chromium-bookmarks-bar.html"));
  ASSERT_EQ(outcome.status, Status::done);
  EXPECT_EQ(outcome.plan.newCategories.size(), 1u);
  const std::string sites = test::readBytes(siteFile(dir.path(), 0));
  EXPECT_EQ(sites.substr(0, 250), oldSites.substr(0, 250));
  EXPECT_EQ(sites.size(), 3 * 250u);
  EXPECT_EQ(test::readBytes(categoryFile(dir.path())).substr(0, 80), oldCategories);
}

TEST_F(BookmarkImportTest, AnOrphanSiteFileNeverShowsUnderANewCategoryAndIsKept) {
  test::writeBytes(siteFile(dir.path(), 0), test::siteFileOf({"foreign"}));
  const ImportOutcome outcome = importBookmarks(test::Folder(dir.path()), fixtureBytes("no-charset-utf8.html"));
  ASSERT_EQ(outcome.status, Status::done);
  EXPECT_EQ(collectionListing(dir.path()), "未分类: 没有字符集的 UTF-8 <https://example.org/无字符集>\n");
  ASSERT_EQ(outcome.keptOrphans.size(), 1u);
  EXPECT_EQ(test::readBytes(dir / outcome.keptOrphans[0].second), test::siteFileOf({"foreign"}));
}

TEST_F(BookmarkImportTest, ExportThenImportIntoAnEmptyCollectionGivesTheSameFilesByteForByte) {
  test::writeBytes(categoryFile(dir.path()), categoriesOf({"a <&> \"b\"", "空的", "中文/斜线"}));
  test::writeBytes(siteFile(dir.path(), 0), test::siteRecord("x & y", "https://example.org/?q=1&r=\"2\"") +
                                                 test::siteRecord("x & y", "https://example.org/?q=1&r=\"3\""));
  test::writeBytes(siteFile(dir.path(), 2), test::siteRecord("\xD6\xD0\xCE\xC4", "ftp://example.org/"));
  const std::filesystem::path exported = dir / "导出.html";
  ASSERT_EQ(exportBookmarks(test::Folder(dir.path()), exported).status, ExportOutcome::Status::done);
  EXPECT_FALSE(std::filesystem::exists(dir / "导出.html.tmp"));

  test::TempDir empty;
  ASSERT_EQ(importBookmarks(test::Folder(empty.path()), test::readBytes(exported)).status, Status::done);
  for (const char* name : {"wwww.dat", "0.dat", "2.dat"})
    EXPECT_EQ(test::readBytes(empty / name), test::readBytes(dir / name)) << name;
  EXPECT_FALSE(std::filesystem::exists(empty / "1.dat"));
}

// NUL bytes, as a crash or another program leaves them, never stand in the file: every
// category and website comes back, a name left empty as the address or 未命名.
TEST_F(BookmarkImportTest, ExportThenImportBringsBackWhatNulBytesNamed) {
  const std::string nul(1, '\0');
  test::writeBytes(categoryFile(dir.path()), std::string(40, '\0') + test::categoryRecord("B" + nul + "C"));
  test::writeBytes(siteFile(dir.path(), 0), test::siteRecord("a" + nul + "b", "http://a" + nul + "/"));
  test::writeBytes(siteFile(dir.path(), 1), test::siteRecord(std::string(50, '\0'), "http://n/"));
  const std::filesystem::path exported = dir / "导出.html";
  ASSERT_EQ(exportBookmarks(test::Folder(dir.path()), exported).status, ExportOutcome::Status::done);
  EXPECT_EQ(test::readBytes(exported).find('\0'), std::string::npos);
  test::TempDir empty;
  ASSERT_EQ(importBookmarks(test::Folder(empty.path()), test::readBytes(exported)).status, Status::done);
  EXPECT_EQ(collectionListing(empty.path()), "未命名: ab <http://a/>\nBC: http://n/ <http://n/>\n");
}

// Every point an import can be stopped at leaves the old collection or the whole import, once start-up has run.
TEST_F(BookmarkImportTest, AStopAtAnyStepLeavesTheOldCollectionOrTheWholeImport) {
  const std::string bookmarks = fixtureBytes("firefox-nested-folders.html");
  const std::string oldCategories = categoriesOf({"书签工具栏"});
  const std::string oldSites = test::siteFileOf({"old"});
  test::TempDir reference;
  test::writeBytes(categoryFile(reference.path()), oldCategories);
  test::writeBytes(siteFile(reference.path(), 0), oldSites);
  const std::string before = collectionListing(reference.path());
  ASSERT_EQ(importBookmarks(test::Folder(reference.path()), bookmarks).status, Status::done);
  const std::string after = collectionListing(reference.path());

  bool reachedTheEnd = false;
  for (int step = 1; !reachedTheEnd; ++step) {
    SCOPED_TRACE(step);
    test::TempDir data;
    test::writeBytes(categoryFile(data.path()), oldCategories);
    test::writeBytes(siteFile(data.path(), 0), oldSites);
    test::FaultyFileSystem fs;
    fs.faultAt(step, test::FaultyFileSystem::Fault::crash);
    try {
      reachedTheEnd = importBookmarks(test::Folder(data.path(), fs), bookmarks).status == Status::done;
    } catch (const test::FaultyFileSystem::Crash&) {
    }
    // The next start of either program, or the next import, finishes the change or clears its temporary files.
    { ASSERT_TRUE(FolderChange(test::Folder(data.path()), {}).ready()); }
    const std::string listing = collectionListing(data.path());
    EXPECT_TRUE(listing == before || listing == after) << listing;
    EXPECT_FALSE(std::filesystem::exists(data / "chg-0.tmp"));
  }
}

TEST_F(BookmarkImportTest, AFailedWriteChangesNothing) {
  test::writeBytes(categoryFile(dir.path()), categoriesOf({"书签工具栏"}));
  const std::string before = collectionListing(dir.path());
  test::FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "open chg-1.tmp"; });
  EXPECT_EQ(importBookmarks(test::Folder(dir.path(), fs), fixtureBytes("firefox-nested-folders.html")).status, Status::writeFailed);
  EXPECT_EQ(collectionListing(dir.path()), before);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_TRUE(entry.path().extension() == ".dat" || isLockFileName(utf8Of(entry.path().filename()))) << entry.path();
}

// A file the program would only show, never change, is never rewritten by an
// import either; a bound that would be passed stops it before anything is written.
TEST_F(BookmarkImportTest, AFileTheListCantHoldWholeIsNeverRewritten) {
  const std::string full = std::string(RecordFile::kMaxRecords * CategoryRecord::kLength, ' ');
  const std::vector<std::pair<std::string, Status>> cases = {{full, Status::tooMany},
                                                             {full + categoriesOf({"more"}), Status::readFailed}};
  for (const auto& [categories, status] : cases) {
    test::TempDir data;
    test::writeBytes(categoryFile(data.path()), categories);
    test::FaultyFileSystem fs;
    EXPECT_EQ(importBookmarks(test::Folder(data.path(), fs), fixtureBytes("no-charset-utf8.html")).status, status);
    EXPECT_EQ(std::ranges::count_if(fs.log(), [](const std::string& step) { return step.starts_with("write"); }), 0);
    EXPECT_EQ(test::readBytes(categoryFile(data.path())), categories);
    EXPECT_FALSE(std::filesystem::exists(siteFile(data.path(), RecordFile::kMaxRecords)));
  }
}

}  // namespace
}  // namespace tarvola
