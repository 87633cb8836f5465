#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/categories/add_category.h"
#include "ops/categories/delete_category.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/website_fixture.h"
#include "store/record_file.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

// Whatever stands where a data file should be, the program starts, shows what
// it can and goes on working.
namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteFileOf;

void makeHuge(const std::filesystem::path& path, const std::string& start) {
  test::writeSparse(path, start, test::kHugeSize);
}

struct Case {
  std::string name;
  std::function<void(const std::filesystem::path&)> lay;
  std::function<void(test::FakeHost&, DataFolder&)> check;
};

const Case kCases[] = {
    {"a 100 GB category file shows its first records and takes none more",
     [](const auto& dir) { makeHuge(dir / "wwww.dat", categoryFileOf({"A"})); },
     [](test::FakeHost& host, DataFolder& folder) {
       const std::filesystem::path& dir = folder.path();
       ASSERT_EQ(host.items(ListBox::List1).size(), RecordFile::kMaxRecords);
       EXPECT_EQ(host.items(ListBox::List1).front(), "A");
       host.answerInput("B");
       wzlb_Click(host, folder);
       EXPECT_EQ(test::sizeOf(dir / "wwww.dat"), test::kHugeSize);
       EXPECT_EQ(host.items(ListBox::List1).size(), RecordFile::kMaxRecords);
     }},
    {"a 100 GB site file shows its first records",
     [](const auto& dir) {
       test::writeBytes(dir / "wwww.dat", categoryFileOf({"A"}));
       makeHuge(dir / "0.dat", siteFileOf({"a1"}));
     },
     [](test::FakeHost& host, DataFolder& folder) {
       test::selectCategory(host, folder, 0);
       ASSERT_EQ(host.items(ListBox::List2).size(), RecordFile::kMaxRecords);
       EXPECT_EQ(host.items(ListBox::List2).front(), "a1");
     }},
#ifndef _WIN32
    {"a FIFO as the category file or a site file blocks nothing",
     [](const auto& dir) {
       ASSERT_EQ(::mkfifo((dir / "wwww.dat").c_str(), 0666), 0);
       ASSERT_EQ(::mkfifo((dir / "0.dat").c_str(), 0666), 0);
     },
     [](test::FakeHost& host, DataFolder& folder) {
       EXPECT_TRUE(host.items(ListBox::List1).empty());
       host.items(ListBox::List1) = {"A"};
       test::selectCategory(host, folder, 0);
       EXPECT_TRUE(host.items(ListBox::List2).empty());
     }},
#endif
    {"a deleted category's site file that is a directory never blocks deleting a website",
     [](const auto& dir) {
       test::writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B"}));
       std::filesystem::create_directories(dir / "0.dat" / "inside");
       test::writeBytes(dir / "1.dat", siteFileOf({"b1", "b2"}));
     },
     [](test::FakeHost& host, DataFolder& folder) {
       const std::filesystem::path& dir = folder.path();
       host.select(ListBox::List1, 0);
       host.answerConfirm(true);
       scwzlb_Click(host, folder);
       ASSERT_EQ(host.items(ListBox::List1), std::vector<std::string>{"B"});
       test::selectCategory(host, folder, 0);
       test::selectWebsite(host, folder, 0);
       host.answerConfirm(true);
       scwz_Click(host, folder);
       EXPECT_EQ(test::readBytes(dir / "0.dat"), siteFileOf({"b2"}));
       EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
     }},
};

TEST(AnyFileTest, NeverCrashesStallsOrBlocksForGood) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    c.lay(dir.path());
    test::FakeHost host;
    DataFolder folder(dir.path(), nativeFileSystem());
    Form_Load(host, folder);
    c.check(host, folder);
  }
}

}  // namespace
}  // namespace tarvola
