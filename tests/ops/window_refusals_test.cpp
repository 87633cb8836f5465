#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "ops/browse/form_load.h"
#include "ops/categories/add_category.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/website_fixture.h"
#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "support/file_bytes.h"

namespace tarvola {
namespace {

using test::FaultyFileSystem;
using Keep = std::shared_ptr<void>;

void addCategory(test::FakeHost& host, DataFolder& folder) {
  host.answerInput("D");
  wzlb_Click(host, folder);
}

void deleteCategoryB(test::FakeHost& host, DataFolder& folder) {
  host.select(ListBox::List1, 1);
  host.answerConfirm(true);
  scwzlb_Click(host, folder);
}

void deleteWebsiteB1(test::FakeHost& host, DataFolder& folder) {
  test::selectCategory(host, folder, 1);
  test::selectWebsite(host, folder, 0);
  host.answerConfirm(true);
  scwz_Click(host, folder);
}

Keep holdChangeLock(const std::filesystem::path& dir) {
  FsStatus status = FsStatus::ok;
  return Keep(nativeFileSystem().lock(changeLockFile(dir), {}, status));
}

bool isKeptDeletions(const std::string& step) { return step.ends_with(std::string(kDeletedEntriesFileName)); }

struct Case {
  std::string what;
  // Sets the folder up; what it returns is kept until the change is over.
  std::function<Keep(const std::filesystem::path& dir, FaultyFileSystem& fs)> arrange;
  std::function<void(test::FakeHost& host, DataFolder& folder)> act;
  bool changed;
  std::string caption;
};

// The window's changes when the folder won't take them: each either waits and
// is made, or changes nothing and says why in the caption, naming the file.
TEST(WindowRefusalsTest, AChangeIsMadeWholeOrNotAtAllAndTheCaptionSaysWhy) {
  const std::string failed = "无法写入“已删除的收藏.html”，未做任何更改";
  const Case cases[] = {
      {"another change lets the lock go while the window waits",
       [](const auto& dir, FaultyFileSystem&) {
         return Keep(std::make_shared<std::jthread>([held = holdChangeLock(dir)]() mutable {
           std::this_thread::sleep_for(std::chrono::milliseconds(300));
           held.reset();
         }));
       },
       addCategory, true, "Tarvola"},
      {"another change holds the lock all along",
       [](const auto& dir, FaultyFileSystem& fs) {
         fs.limitLockPatience(std::chrono::milliseconds(50));
         return holdChangeLock(dir);
       },
       addCategory, false, "另一个程序正在更改收藏，请稍后再试"},
      {"a full disk",
       [](const auto&, FaultyFileSystem& fs) {
         fs.fillDiskWhen([](const std::string& step) { return step == "write wwww.dat"; });
         return Keep();
       },
       addCategory, false, "无法写入“wwww.dat”，未做任何更改"},
      // As one that can't be read.
      {"the file of deleted entries is a directory",
       [](const auto& dir, FaultyFileSystem&) {
         std::filesystem::create_directories(dir / pathFromUtf8(kDeletedEntriesFileName) / "inside");
         return Keep();
       },
       deleteWebsiteB1, false, failed},
      {"the file of deleted entries can't be written",
       [](const auto& dir, FaultyFileSystem& fs) {
         test::writeBytes(dir / pathFromUtf8(kDeletedEntriesFileName), deletedEntriesText({}));
         fs.failWhen([](const std::string& step) { return step.starts_with("open ") && isKeptDeletions(step); });
         return Keep();
       },
       deleteCategoryB, false, failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    test::writeFiles(dir.path(), {{"wwww.dat", test::categoryFileOf({"A", "B", "C"})},
                                  {"1.dat", test::siteFileOf({"b1", "b2"})}});
    test::FakeHost host;
    DataFolder native(dir.path(), nativeFileSystem());
    Form_Load(host, native);
    host.setCaption("Tarvola");
    FaultyFileSystem fs;
    Keep kept = c.arrange(dir.path(), fs);
    const test::Files before = test::dataFilesIn(dir.path());
    DataFolder through(dir.path(), fs);
    c.act(host, through);
    kept.reset();
    EXPECT_EQ(test::dataFilesIn(dir.path()) != before, c.changed);
    EXPECT_EQ(host.caption(), c.caption);
  }
}

}  // namespace
}  // namespace tarvola
