// Two writers on one data folder: a window and another window, or a window
// and tarvola-bookmarks. One writer's change runs at every file-system step of
// the other's; after each pairing no category may show another's websites,
// and nothing either writer got done may be lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "ops/browse/form_load.h"
#include "ops/categories/add_category.h"
#include "ops/categories/data_dir_view.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"
#include "store/shown_names.h"
#include "ops/sites/add_website.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/modify_website.h"
#include "ops/sites/website_fixture.h"
#include "store/data_files.h"
#include "store/record_file.h"
#include "support/fake_host.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_folder.h"

namespace tarvola {
namespace {

using test::FakeHost;
using test::FaultyFileSystem;
using test::Files;
using test::Shown;

// Every website's name starts with the letter of the category it belongs to,
// whatever that category is called later ("C" renamed "Cz").
const Files kStart = {{"wwww.dat", test::categoryFileOf({"A", "B", "C", "D"})},
                      {"0.dat", test::siteFileOf({"a1", "a2"})},
                      {"1.dat", test::siteFileOf({"b1", "b2"})},
                      {"2.dat", test::siteFileOf({"c1", "c2", "c3"})},
                      {"3.dat", test::siteFileOf({"d1"})}};

using Change = std::function<void(FileSystem&)>;

struct Writer {
  std::string name;
  // Readied on the folder before either writer changes it, as a window shows
  // it then; returns the change, to be made later.
  std::function<Change(const std::filesystem::path& dir)> ready;
  // What the change brings about, seen in the folder.
  std::function<bool(const Shown&)> done;
  // An import reports its outcome; for a window's change, done is what it shows.
  std::function<bool()> reportedDone = {};
};

bool shows(const Shown& shown, const std::string& site) {
  return std::ranges::any_of(shown, [&](const auto& category) { return std::ranges::count(category.second, site) > 0; });
}

bool hasCategory(const Shown& shown, const std::string& name) {
  return std::ranges::any_of(shown, [&](const auto& category) { return category.first == name; });
}

// A window on the folder, with `select` done in it first (on the real file system).
Change windowChange(const std::filesystem::path& dir, const std::function<void(FakeHost&, DataFolder&)>& select,
                    void (*handler)(Host&, DataFolder&)) {
  auto host = std::make_shared<FakeHost>();
  DataFolder folder(dir, nativeFileSystem());
  Form_Load(*host, folder);
  select(*host, folder);
  return [host, handler, dir](FileSystem& fs) { handler(*host, test::Folder(dir, fs)); };
}

// The six operations of a window on one category (at `position`, named `upper`,
// its second website named `lower` + "2"), adding a category `added`.
std::vector<Writer> windowWriters(const std::string& side, int position, const std::string& upper, char lower,
                                  const std::string& added) {
  const std::string second = std::string(1, lower) + "2";
  const std::string first = std::string(1, lower) + "1";
  const std::string renamed = upper + "z";
  const std::string newSite = std::string(1, lower) + "9";
  const std::string modified = std::string(1, lower) + "x";
  const auto answers = [](std::initializer_list<std::string> inputs) {
    return [inputs = std::vector<std::string>(inputs)](FakeHost& host, DataFolder&) {
      for (const std::string& input : inputs) host.answerInput(input);
    };
  };
  const auto onCategory = [position](const std::function<void(FakeHost&, DataFolder&)>& then) {
    return [position, then](FakeHost& host, DataFolder& folder) {
      test::selectCategory(host, folder, position);
      then(host, folder);
    };
  };
  const auto onWebsite = [onCategory](const std::function<void(FakeHost&, DataFolder&)>& then) {
    return onCategory([then](FakeHost& host, DataFolder& folder) {
      test::selectWebsite(host, folder, 1);
      then(host, folder);
    });
  };
  const auto confirm = [](FakeHost& host, DataFolder&) { host.answerConfirm(true); };
  return {
      {side + " adds category " + added,
       [=](const auto& dir) { return windowChange(dir, answers({added}), wzlb_Click); },
       [=](const Shown& s) { return hasCategory(s, added); }},
      {side + " renames " + upper,
       [=](const auto& dir) { return windowChange(dir, onCategory(answers({renamed})), xgwzlb_Click); },
       [=](const Shown& s) { return hasCategory(s, renamed); }},
      {side + " deletes " + upper,
       [=](const auto& dir) { return windowChange(dir, onCategory(confirm), scwzlb_Click); },
       [=](const Shown& s) { return !shows(s, first); }},
      {side + " adds website " + newSite,
       [=](const auto& dir) {
         return windowChange(dir, onCategory(answers({newSite, "http://" + newSite + ".example/"})), tjwz_Click);
       },
       [=](const Shown& s) { return shows(s, newSite); }},
      {side + " modifies " + second,
       [=](const auto& dir) {
         return windowChange(dir, onWebsite(answers({modified, "http://" + modified + ".example/"})), xgwz_Click);
       },
       [=](const Shown& s) { return shows(s, modified) && !shows(s, second); }},
      {side + " deletes " + second,
       [=](const auto& dir) { return windowChange(dir, onWebsite(confirm), scwz_Click); },
       [=](const Shown& s) { return !shows(s, second); }},
  };
}

// tarvola-bookmarks imports a folder into A, which nobody else changes, and a new category.
Writer importWriter(const std::string& side, const std::string& intoA, const std::string& category,
                    const std::vector<std::string>& sites) {
  const auto link = [](const std::string& name) {
    return "<DT><A HREF=\"http://" + name + ".example/\">" + name + "</A>\n";
  };
  std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><H3>A</H3>\n<DL><p>\n" + link(intoA) +
                     "</DL><p>\n<DT><H3>" + category + "</H3>\n<DL><p>\n";
  for (const std::string& site : sites) file += link(site);
  file += "</DL><p>\n</DL><p>\n";
  auto status = std::make_shared<ImportOutcome::Status>(ImportOutcome::Status::unreadable);
  return {side + " imports " + category,
          [=](const std::filesystem::path& dir) -> Change {
            return [=](FileSystem& fs) { *status = importBookmarks(test::Folder(dir, fs), file).status; };
          },
          [=](const Shown& s) {
            const auto at = std::ranges::find_if(s, [&](const auto& c) { return c.first == category; });
            return shows(s, intoA) && at != s.end() && at->second == sites;
          },
          [=] { return *status == ImportOutcome::Status::done; }};
}

std::vector<Writer> sideOne() {
  std::vector<Writer> writers = windowWriters("one", 2, "C", 'c', "E");
  writers.push_back(importWriter("one", "a9", "N", {"n1", "n2"}));
  return writers;
}

std::vector<Writer> sideTwo() {
  std::vector<Writer> writers = windowWriters("two", 1, "B", 'b', "F");
  writers.push_back(importWriter("two", "a8", "M", {"m1"}));
  return writers;
}

// The categories and websites as the files hold them now, read without the
// lock (the other writer may hold it) and without changing anything.
Shown filesShow(const std::filesystem::path& dir) {
  Shown shown;
  const DataFolder folder(dir, nativeFileSystem());
  const ShownNames<CategoryRecord> categories(
      folder.shownRecords(kCategoryFileName, CategoryRecord::kLength).value_or(""));
  for (std::size_t p = 0; p < categories.size(); ++p) {
    const ShownNames<SiteRecord> sites(
        folder.shownRecords(siteFileName(static_cast<int>(p)), SiteRecord::kLength).value_or(""));
    std::vector<std::string> names;
    for (std::size_t s = 0; s < sites.size(); ++s) names.push_back(sites.at(s));
    shown.emplace_back(categories.at(p), std::move(names));
  }
  return shown;
}

// Every website under its own category; A and D, which nobody deletes, still there with their own.
char letterOf(const std::string& name) {
  return name.empty() ? '\0' : static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
}

std::string brokenInvariant(const Shown& shown) {
  for (const auto& [category, sites] : shown) {
    for (std::string site : sites) {
      if (letterOf(category) != letterOf(site) || site.empty()) return (site += " shows under ") += category;
    }
  }
  for (const std::string& keeper : {std::string("A"), std::string("D")}) {
    std::string site = std::string(1, letterOf(keeper)) + "1";
    if (std::ranges::count_if(shown, [&keeper](const auto& c) { return c.first == keeper; }) != 1 || !shows(shown, site))
      return site += " is lost";
  }
  return {};
}

struct Pair {
  Writer outer;
  Writer inner;
};

void PrintTo(const Pair& pair, std::ostream* out) { *out << pair.outer.name << " / " << pair.inner.name; }

class TwoWriters : public ::testing::TestWithParam<Pair> {
 protected:
  void reset() {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) std::filesystem::remove_all(entry.path());
    test::writeFiles(dir.path(), kStart);
  }

  // The outer change with the inner one run before its step `step` (0: never).
  // Returns what went wrong, if anything.
  std::string interleave(int step, int& steps) {
    reset();
    const Pair& pair = GetParam();
    const Change outer = pair.outer.ready(dir.path());
    const Change inner = pair.inner.ready(dir.path());
    bool innerDone = false;
    FaultyFileSystem outerFs;
    FaultyFileSystem innerFs;
    // The other change holds the lock: no waiting, as if the wait ran out.
    innerFs.limitLockPatience(std::chrono::milliseconds(0));
    outerFs.beforeStep(step, [&] {
      inner(innerFs);
      innerDone = pair.inner.reportedDone ? pair.inner.reportedDone() : pair.inner.done(filesShow(dir.path()));
    });
    outer(outerFs);
    steps = outerFs.steps();
    const bool outerDone = pair.outer.reportedDone ? pair.outer.reportedDone() : pair.outer.done(filesShow(dir.path()));
    const Shown after = test::shownAfterRestart(dir.path());
    if (std::string broken = brokenInvariant(after); !broken.empty()) return broken;
    if (outerDone && !pair.outer.done(after)) return pair.outer.name + " is lost";
    if (innerDone && !pair.inner.done(after)) return pair.inner.name + " is lost";
    return {};
  }

  test::TempDir dir;
};

TEST_P(TwoWriters, AChangeAtAnyStepOfAnotherLeavesEveryWebsiteUnderItsCategoryAndLosesNothingDone) {
  int steps = 0;
  ASSERT_EQ(interleave(0, steps), "");
  ASSERT_GT(steps, 0);
  for (int step = 1; step <= steps; ++step) {
    int ignored = 0;
    EXPECT_EQ(interleave(step, ignored), "") << "the other change at step " << step;
  }
  RecordProperty("interleavings", steps);
}

std::vector<Pair> everyPair() {
  std::vector<Pair> pairs;
  for (const Writer& one : sideOne()) {
    for (const Writer& two : sideTwo()) {
      pairs.push_back({one, two});
      pairs.push_back({two, one});
    }
  }
  return pairs;
}

std::string nameOf(const testing::TestParamInfo<Pair>& info) {
  std::string name = info.param.outer.name + "_then_" + info.param.inner.name;
  std::ranges::replace_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryPairOfChanges, TwoWriters, testing::ValuesIn(everyPair()), nameOf);

// Two imports at the same moment: the second waits for the first, and both arrive whole.
TEST(TwoImports, AtOnceBothArriveWhole) {
  test::TempDir dir;
  test::writeFiles(dir.path(), kStart);
  const auto fileOf = [](char letter) {
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (int folder = 0; folder < 20; ++folder) {
      file += "<DT><H3>" + std::string(1, letter) + std::to_string(folder) + "</H3>\n<DL><p>\n";
      for (int link = 0; link < 100; ++link)
        file += "<DT><A HREF=\"http://e.org/" + std::to_string(link) + "\">" +
                std::string(1, letterOf(std::string(1, letter))) +
                std::to_string(link) + "</A>\n";
      file += "</DL><p>\n";
    }
    return file + "</DL><p>\n";
  };
  ImportOutcome::Status first = ImportOutcome::Status::unreadable;
  ImportOutcome::Status second = ImportOutcome::Status::unreadable;
  std::thread other([&] { first = importBookmarks(test::Folder(dir.path()), fileOf('P')).status; });
  second = importBookmarks(test::Folder(dir.path()), fileOf('Q')).status;
  other.join();
  EXPECT_EQ(first, ImportOutcome::Status::done);
  EXPECT_EQ(second, ImportOutcome::Status::done);
  const Shown shown = test::shownAfterRestart(dir.path());
  EXPECT_EQ(brokenInvariant(shown), "");
  EXPECT_EQ(shown.size(), 4u + 40u);
  EXPECT_EQ(std::ranges::count_if(shown, [](const auto& c) { return c.second.size() == 100; }), 40);
}

}  // namespace
}  // namespace tarvola
