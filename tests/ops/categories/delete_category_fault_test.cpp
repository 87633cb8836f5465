#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ops/browse/form_load.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "support/fake_host.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::FaultyFileSystem;
using test::Files;
using test::siteFileOf;
using Fault = FaultyFileSystem::Fault;

const std::string kSitesOfA = siteFileOf({"a1", "a2"});
const std::string kSitesOfB = siteFileOf({"b1"});
const std::string kSitesOfC = siteFileOf({"c1", "c2", "c3"});
const std::string kSitesOfD = siteFileOf({"d1"});

// B, the second of four categories, is deleted.
const Files kBefore = {{"wwww.dat", categoryFileOf({"A", "B", "C", "D"})},
                       {"0.dat", kSitesOfA},
                       {"1.dat", kSitesOfB},
                       {"2.dat", kSitesOfC},
                       {"3.dat", kSitesOfD}};
const Files kAfter = {
    {"wwww.dat", categoryFileOf({"A", "C", "D"})}, {"0.dat", kSitesOfA}, {"1.dat", kSitesOfC}, {"2.dat", kSitesOfD}};
const test::Shown kShownBefore = {{"A", {"a1", "a2"}}, {"B", {"b1"}}, {"C", {"c1", "c2", "c3"}}, {"D", {"d1"}}};
const test::Shown kShownAfter = {{"A", {"a1", "a2"}}, {"C", {"c1", "c2", "c3"}}, {"D", {"d1"}}};

// One deletion of B on a fresh data directory.
struct Deletion {
  explicit Deletion(const Files& files = kBefore) {
    test::writeFiles(dir.path(), files);
    Form_Load(host, nativeFileSystem());
    host.select(ListBox::List1, 1);
    host.answerConfirm(true);
  }
  void run(FileSystem& fs) {
    try {
      scwzlb_Click(host, fs);
    } catch (const FaultyFileSystem::Crash&) {
      // The program died here; what is on the disk is what a restart finds.
    }
  }
  Files files() const { return test::filesIn(dir.path()); }

  test::TempDir dir;
  test::FakeHost host{dir.path()};
};

Files withoutTemporaryFiles(Files files) {
  files.erase("kl.dat");
  files.erase("ls.dat");
  return files;
}

bool isSiteFileName(const std::string& name) {
  return name.size() > 4 && name.ends_with(".dat") &&
         std::all_of(name.begin(), name.end() - 4, [](char c) { return c >= '0' && c <= '9'; });
}

// Every remaining category's websites are still in some site file, whatever its number.
bool keepsEveryRemainingWebsite(const Files& files) {
  return std::ranges::all_of(std::vector{kSitesOfA, kSitesOfC, kSitesOfD}, [&](const std::string& sites) {
    return std::ranges::any_of(files, [&](const auto& file) { return isSiteFileName(file.first) && file.second == sites; });
  });
}

// The numbers of the steps of an undisturbed deletion that replace the
// category file and that rename the last site file.
struct Landmarks {
  int replace = 0;
  int lastRename = 0;
};

Landmarks landmarksOfAnUndisturbedRun() {
  Deletion deletion;
  FaultyFileSystem fs;
  deletion.run(fs);
  Landmarks marks;
  for (int step = 1; step <= static_cast<int>(fs.log().size()); ++step) {
    const std::string& entry = fs.log()[static_cast<std::size_t>(step - 1)];
    if (entry == "replace kl.dat wwww.dat" && marks.replace == 0) marks.replace = step;
    if (entry.starts_with("rename ")) marks.lastRename = step;
  }
  return marks;
}

TEST(DeleteCategoryFaultTest, ASiteFileThatCantBeRenamedPutsEverythingBack) {
  Deletion deletion;
  FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "rename 3.dat 2.dat"; });
  deletion.run(fs);
  EXPECT_EQ(deletion.files(), kBefore);
  EXPECT_EQ(deletion.host.items(ListBox::List1), (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST(DeleteCategoryFaultTest, ASiteFileOfTheDeletedCategoryThatCantBeRemovedStopsTheDeletion) {
  Deletion deletion;
  FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step.find("1.dat") != std::string::npos; });
  deletion.run(fs);
  EXPECT_EQ(deletion.files(), kBefore);
}

TEST(DeleteCategoryFaultTest, ALeftOverTemporarySiteFileThatCantBeRemovedStopsTheDeletion) {
  Files files = kBefore;
  files["ls.dat"] = siteFileOf({"left over"});
  Deletion deletion(files);
  FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "remove ls.dat"; });
  deletion.run(fs);
  EXPECT_EQ(deletion.files(), files);
}

TEST(DeleteCategoryFaultTest, ACategoryFileThatCantBeWrittenStopsBeforeAnySiteFileMoves) {
  Deletion deletion;
  FaultyFileSystem fs;
  fs.failWhen([](const std::string& step) { return step == "write kl.dat"; });
  deletion.run(fs);
  EXPECT_EQ(deletion.files(), kBefore);
  EXPECT_TRUE(std::ranges::none_of(fs.log(), [](const std::string& step) { return step.starts_with("rename"); }));
}

TEST(DeleteCategoryFaultTest, AFailureAtAnyStepLeavesEveryCategoryWithItsOwnWebsites) {
  for (int step = 1;; ++step) {
    SCOPED_TRACE(step);
    Deletion deletion;
    FaultyFileSystem fs;
    fs.faultAt(step, Fault::fail);
    deletion.run(fs);
    if (fs.steps() < step) break;
    const Files files = deletion.files();
    EXPECT_FALSE(files.contains("kl.dat"));
    const Files kept = withoutTemporaryFiles(files);
    EXPECT_TRUE(kept == kBefore || kept == kAfter) << fs.log()[static_cast<std::size_t>(step - 1)];
    const test::Shown shown = test::shownAfterRestart(deletion.dir.path());
    EXPECT_TRUE(shown == kShownBefore || shown == kShownAfter);
  }
}

TEST(DeleteCategoryFaultTest, ACrashAtAnyStepLosesNoWebsiteAndMisfilesOnlyWhileSiteFilesAreRenamed) {
  const Landmarks marks = landmarksOfAnUndisturbedRun();
  ASSERT_GT(marks.replace, 0);
  ASSERT_GT(marks.lastRename, marks.replace);
  for (int step = 1;; ++step) {
    SCOPED_TRACE(step);
    Deletion deletion;
    FaultyFileSystem fs;
    fs.faultAt(step, Fault::crash);
    deletion.run(fs);
    if (fs.steps() < step) break;
    const Files files = deletion.files();
    const std::string& categories = files.at("wwww.dat");
    EXPECT_TRUE(categories == kBefore.at("wwww.dat") || categories == kAfter.at("wwww.dat"));
    EXPECT_TRUE(keepsEveryRemainingWebsite(files));
    const test::Shown shown = test::shownAfterRestart(deletion.dir.path());
    if (step <= marks.replace) {
      EXPECT_EQ(withoutTemporaryFiles(files), kBefore);
    } else if (step > marks.lastRename) {
      EXPECT_EQ(withoutTemporaryFiles(files), kAfter);
      EXPECT_EQ(shown, kShownAfter);
    } else {
      ASSERT_EQ(shown.size(), 3u);  // between the renames: the category is gone, no site file lost
    }
  }
}

// From step `from` on the directory refuses every change of its names: nothing
// is created, removed or renamed; files that exist can still be written.
void turnReadOnlyAt(FaultyFileSystem& fs, const std::filesystem::path& dir, int from) {
  fs.failWhen([&fs, dir, from](const std::string& step) {
    if (fs.steps() < from) return false;
    if (step.starts_with("open ")) return !std::filesystem::exists(dir / step.substr(5));
    return step.starts_with("remove ") || step.starts_with("rename ") || step.starts_with("replace ");
  });
}

TEST(DeleteCategoryFaultTest, ADirectoryTurningReadOnlyLosesNoWebsiteAndMisfilesOnlyWhileSiteFilesAreRenamed) {
  const Landmarks marks = landmarksOfAnUndisturbedRun();
  for (int step = 1;; ++step) {
    SCOPED_TRACE(step);
    Deletion deletion;
    FaultyFileSystem fs;
    turnReadOnlyAt(fs, deletion.dir.path(), step);
    deletion.run(fs);
    if (fs.steps() < step) break;
    const Files files = deletion.files();
    const std::string& categories = files.at("wwww.dat");
    EXPECT_TRUE(categories == kBefore.at("wwww.dat") || categories == kAfter.at("wwww.dat"));
    EXPECT_TRUE(keepsEveryRemainingWebsite(files));
    if (step <= marks.replace) {
      EXPECT_EQ(withoutTemporaryFiles(files), kBefore);
    } else if (step > marks.lastRename) {
      EXPECT_EQ(withoutTemporaryFiles(files), kAfter);
    }
  }
}

}  // namespace
}  // namespace tarvola
