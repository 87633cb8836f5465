// Deletions taken back: each row deletes through the window, brings back with
// tarvola-bookmarks, and compares the data files byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "bookmarks/bookmarks_command.h"
#include "bookmarks/collection_listing.h"
#include "bookmarks/restore_deleted.h"
#include "ops/browse/form_load.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/website_fixture.h"
#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_folder.h"

namespace tarvola {
namespace {

using test::Files;
using test::siteRecord;

// 新闻 in GBK with a blank-filled tail, a name with leading blanks, and a site
// name ending in a byte no code page reads: all must come back as they were.
const std::string kNews = test::categoryRecord("\xD0\xC2\xCE\xC5");
const std::string kB = test::categoryRecord("  B");
const std::string kC = test::categoryRecord("C");
const std::string kN1 = siteRecord("n1\xFF", "http://n1.example/");
const std::string kN2 = siteRecord("\xD0\xC2 n2", "http://n2.example/");
const std::string kB1 = siteRecord("b1", "http://b1.example/");
const std::string kB2 = siteRecord("b2", "http://b2.example/");
const std::string kC1 = siteRecord("c1", "http://c1.example/");
const Files kStart = {{"wwww.dat", kNews + kB + kC}, {"0.dat", kN1 + kN2}, {"1.dat", kB1 + kB2}, {"2.dat", kC1}};

void deleteCategory(test::FakeHost& host, DataFolder& folder, int position) {
  host.select(ListBox::List1, position);
  host.answerConfirm(true);
  scwzlb_Click(host, folder);
}

void deleteWebsite(test::FakeHost& host, DataFolder& folder, int category, int website) {
  test::selectCategory(host, folder, category);
  test::selectWebsite(host, folder, website);
  host.answerConfirm(true);
  scwz_Click(host, folder);
}

class RecordedOutput final : public CommandOutput {
 public:
  void report(const std::string& text, bool failed) override { reports += (failed ? "!" : "") + text; }
  void progress(const std::string&) override {}
  std::string reports;
};

struct Case {
  const char* what;
  std::function<void(test::FakeHost&, DataFolder&)> deletes;
  std::vector<std::string> command;  // the data directory's deleted entries file stands for "*"
  Files restored;
  std::string listedAfter;  // what `deleted` says afterwards, its first line
};

const std::vector<Case> kCases = {
    {"a category comes back at the end, its websites byte for byte",
     [](test::FakeHost& host, DataFolder& folder) { deleteCategory(host, folder, 0); },
     {"restore", "1"},
     {{"wwww.dat", kB + kC + kNews}, {"0.dat", kB1 + kB2}, {"1.dat", kC1}, {"2.dat", kN1 + kN2}},
     "没有已删除的收藏"},
    {"a website goes back to the end of its category",
     [](test::FakeHost& host, DataFolder& folder) { deleteWebsite(host, folder, 1, 0); },
     {"restore"},
     {{"wwww.dat", kNews + kB + kC}, {"0.dat", kN1 + kN2}, {"1.dat", kB2 + kB1}, {"2.dat", kC1}},
     "没有已删除的收藏"},
    {"both, dropped onto the program: everything comes back, the oldest first",
     [](test::FakeHost& host, DataFolder& folder) {
       deleteWebsite(host, folder, 2, 0);
       deleteCategory(host, folder, 2);
     },
     {"*"},
     {{"wwww.dat", kNews + kB + kC}, {"0.dat", kN1 + kN2}, {"1.dat", kB1 + kB2}, {"2.dat", kC1}},
     "没有已删除的收藏"},
    {"one of two by its number: the other keeps its own",
     [](test::FakeHost& host, DataFolder& folder) {
       deleteWebsite(host, folder, 0, 1);
       deleteCategory(host, folder, 1);
     },
     {"restore", "1"},
     {{"wwww.dat", kNews + kC}, {"0.dat", kN1 + kN2}, {"1.dat", kC1}},
     "已删除的收藏，最新的在前：\n   2  "},
};

TEST(RestoreDeletedTest, WhatADeleteTookComesBackAsItWasStored) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    test::writeFiles(dir.path(), kStart);
    test::FakeHost host;
    DataFolder folder(dir.path(), nativeFileSystem());
    Form_Load(host, folder);
    c.deletes(host, folder);
    const std::string kept = test::readBytes(dir / pathFromUtf8(kDeletedEntriesFileName));
    // Any browser imports it, and so does the program: the names as they show.
    test::TempDir imported;
    ASSERT_EQ(importBookmarks(test::Folder(imported.path()), kept).status, ImportOutcome::Status::done);
    EXPECT_FALSE(test::collectionListing(imported.path()).empty());

    std::vector<std::string> command = {"-d", utf8Of(dir.path())};
    for (const std::string& word : c.command)
      command.push_back(word == "*" ? utf8Of(dir / pathFromUtf8(kDeletedEntriesFileName)) : word);
    RecordedOutput output;
    EXPECT_EQ(runBookmarksCommand(command, dir.path(), nativeFileSystem(), output), 0) << output.reports;
    EXPECT_TRUE(output.reports.starts_with("已恢复")) << output.reports;
    EXPECT_EQ(test::dataFilesIn(dir.path()), c.restored);

    RecordedOutput listing;
    EXPECT_EQ(runBookmarksCommand({"-d", utf8Of(dir.path()), "deleted"}, dir.path(), nativeFileSystem(), listing), 0);
    EXPECT_TRUE(listing.reports.starts_with(c.listedAfter)) << listing.reports;
  }
}

const std::string kX = test::categoryRecord("X"), kX1 = siteRecord("x1", "http://x1.example/");
const std::string kY = test::categoryRecord("Y"), kY1 = siteRecord("y1", "http://y1.example/");
const std::string kNew = siteRecord("new", "http://new.example/");
const std::string kMarks = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><p><DT><H3>C</H3><DL><p>"
                           "<DT><A HREF=\"http://c1.example/\">c1</A><DT><A HREF=\"http://new.example/\">new</A>"
                           "<DT><A HREF=\"http://new.example/\">new</A>";

// The doors: after kStart, m.html and `before`, a command line run in the data folder leaves every file as it
// was, or the data files with `changed` in place; a stop at any step of it leaves one or the other.
struct Door {
  const char* what;
  std::function<void(test::FakeHost&, DataFolder&)> before;
  std::vector<std::string> command;
  int status;
  std::string answer;  // its start; "!" marks a failure
  std::optional<Files> changed = {};
  std::string failing = {};  // the file-system steps that begin so fail
};

void threeDeletes(test::FakeHost& host, DataFolder& folder) {
  deleteWebsite(host, folder, 1, 0);
  deleteCategory(host, folder, 2);
  deleteWebsite(host, folder, 0, 0);
}

// Websites deleted alone from categories gone since, kept before deletions had numbers.
void unnumbered(test::FakeHost&, DataFolder& folder) {
  test::writeBytes(folder.path() / pathFromUtf8(kDeletedEntriesFileName),
                   deletedEntriesText({{Deletion::Kind::website, 2, kX, kX1}, {Deletion::Kind::website, 1, kY, kY1}}));
}

void keptDirectory(test::FakeHost&, DataFolder& folder) {
  std::filesystem::create_directory(folder.path() / pathFromUtf8(kDeletedEntriesFileName));
}
const std::string kOwn = "是数据目录里 Tarvola 自己的文件";

const std::vector<Door> kDoors = {
    {"export over the category file", {}, {"export", "wwww.dat"}, 1, "!“wwww.dat”" + kOwn},
    {"export over a site file", {}, {"export", "./0.dat"}, 1, "!“./0.dat”" + kOwn},
    {"export over the kept deletions", threeDeletes, {"export", "已删除的收藏.html"}, 1, "!“已删除的收藏.html”" + kOwn},
#ifdef _WIN32
    {"export in capitals", {}, {"export", "WWWW.DAT"}, 1, "!“WWWW.DAT”" + kOwn},
#else
    {"export through a link",
     [](test::FakeHost&, DataFolder& f) { std::filesystem::create_directory_symlink(f.path(), f.path() / "l"); },
     {"export", "l/wwww.dat"}, 1, "!“l/wwww.dat”" + kOwn},
#endif
    {"export without a file", {}, {"export"}, 2, "!命令 export 后面缺少"},
    {"import without a file", {}, {"import", ""}, 2, "!命令 import 后面缺少"},
    {"a number from an older listing", threeDeletes, {"restore", "1"}, 0, "已恢复 1 次删除：新建分类 0 个，网站 1 个",
     Files{{"1.dat", kB2 + kB1}}},
    {"numbers of a file without them", unnumbered, {"restore", "1"}, 0, "已恢复 1 次删除：新建分类 1 个",
     Files{{"wwww.dat", kNews + kB + kC + kY}, {"3.dat", kY1}}},
    {"websites alone make categories", unnumbered, {"restore"}, 0, "已恢复 2 次删除：新建分类 2 个，网站 2 个",
     Files{{"wwww.dat", kNews + kB + kC + kY + kX}, {"3.dat", kY1}, {"4.dat", kX1}}},
    {"an import adds what is new once", {}, {"import", "m.html"}, 0,
     "已从“m.html”导入：新增分类 0 个，新增网站 1 个。\n分类里已有的网站 2 个没有重复导入", Files{{"2.dat", kC1 + kNew}}},
    {"the same file again", [](test::FakeHost&, DataFolder& folder) { importBookmarks(folder, kMarks); },
     {"import", "m.html"}, 0, "已从“m.html”导入：新增分类 0 个，新增网站 0 个。\n分类里已有的网站 3 个"},
    {"a kept file that is a directory", keptDirectory, {"deleted"}, 1, "!无法读取或更改数据文件“已删除的收藏.html”"},
    {"restoring from it", keptDirectory, {"restore"}, 1, "!无法读取或更改数据文件“已删除的收藏.html”"},
    {"a change that can't begin", threeDeletes, {"restore"}, 1, "!无法在数据目录里写入数据文件“wwww.chg”", {},
     "open wwww.chg"},
};

TEST(BookmarksDoorsTest, EachDoorRefusesWithNothingChangedOrTakesItAllIn) {
  const std::filesystem::path home = std::filesystem::current_path();
  for (const Door& door : kDoors) {
    SCOPED_TRACE(door.what);
    test::TempDir dir;
    test::writeFiles(dir.path(), kStart);
    test::writeBytes(dir / "m.html", kMarks);
    test::FakeHost host;
    DataFolder folder(dir.path(), nativeFileSystem());
    Form_Load(host, folder);
    if (door.before) door.before(host, folder);
    const Files before = test::filesIn(dir.path());
    Files expected = door.changed ? test::dataFilesIn(dir.path()) : before;
    for (const auto& [name, bytes] : door.changed.value_or(Files{})) expected[name] = bytes;
    std::filesystem::current_path(dir.path());
    test::FaultyFileSystem fs;
    fs.failWhen([&](const std::string& step) { return !door.failing.empty() && step.starts_with(door.failing); });
    RecordedOutput output;
    EXPECT_EQ(runBookmarksCommand(door.command, dir.path(), fs, output), door.status);
    EXPECT_TRUE(output.reports.starts_with(door.answer)) << output.reports;
    EXPECT_EQ(door.changed ? test::dataFilesIn(dir.path()) : test::filesIn(dir.path()), expected);
    const Files after = test::filesIn(dir.path());
    const auto again = [&](FileSystem& faulty) {
      for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove_all(entry);
      test::writeFiles(dir.path(), before);
      runBookmarksCommand(door.command, dir.path(), faulty, output);
    };
    if (door.changed) test::atEveryStep(test::FaultyFileSystem::Fault::crash, again, [&] {
      { ASSERT_TRUE(FolderChange(folder, {}).ready()); }
      EXPECT_TRUE(test::filesIn(dir.path()) == before || test::filesIn(dir.path()) == after);
    });
    std::filesystem::current_path(home);
  }
}

// The window brings back the selected deletions in one change: all of them, or none when one isn't kept.
TEST(RestoreDeletedTest, SeveralNumbersComeBackTogetherOrNoneDoes) {
  test::TempDir dir;
  test::writeFiles(dir.path(), kStart);
  test::FakeHost host;
  DataFolder folder(dir.path(), nativeFileSystem());
  Form_Load(host, folder);
  threeDeletes(host, folder);
  const Files before = test::filesIn(dir.path());
  EXPECT_EQ(restoreDeleted(folder, std::vector<std::size_t>{1, 99}).status, DeletedOutcome::Status::noSuchNumber);
  EXPECT_EQ(test::filesIn(dir.path()), before);
  const DeletedOutcome outcome = restoreDeleted(folder, std::vector<std::size_t>{1, 3});
  ASSERT_EQ(outcome.status, DeletedOutcome::Status::done);
  ASSERT_EQ(outcome.deletions.size(), 2U);
  EXPECT_EQ(outcome.deletions[0].number, 3);  // newest first, whatever order they were named in
  EXPECT_EQ(outcome.restoredSites, 2U);
  EXPECT_EQ(listDeleted(folder).deletions.size(), 1U);
}

}  // namespace
}  // namespace tarvola
