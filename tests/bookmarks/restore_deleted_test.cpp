// Deletions taken back: each row deletes through the window, brings back with
// tarvola-bookmarks, and compares the data files byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "bookmarks/bookmarks_command.h"
#include "bookmarks/collection_listing.h"
#include "ops/browse/form_load.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/website_fixture.h"
#include "store/data_files.h"
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
  void report(const std::string& text, bool) override { reports += text; }
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
    {"one of two: the older stays kept",
     [](test::FakeHost& host, DataFolder& folder) {
       deleteWebsite(host, folder, 0, 1);
       deleteCategory(host, folder, 1);
     },
     {"restore", "2"},
     {{"wwww.dat", kNews + kC}, {"0.dat", kN1 + kN2}, {"1.dat", kC1}},
     "已删除的收藏，最新的在前：\n   1  "},
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

}  // namespace
}  // namespace tarvola
