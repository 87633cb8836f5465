#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "store/file_system.h"
#include "store/folder_change.h"
#include "store/records.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

Deletion deletionAt(std::int64_t time) {
  return {Deletion::Kind::website, time, test::categoryRecord("A"), test::siteRecord("a", "http://a.example/")};
}

// What is kept when a deletion joins a file that holds `before`: the newest
// first, the oldest dropped beyond the bound, and a file not ours kept aside.
TEST(DeletedEntriesTest, ADeletionJoinsTheNewestFirstWithinTheBoundAndNothingForeignIsLost) {
  const std::string ours = deletedEntriesText({deletionAt(1), deletionAt(2)});
  std::vector<Deletion> full;
  for (std::int64_t time = 1000; time > 0; --time) full.push_back(deletionAt(time));
  const Deletion large{Deletion::Kind::category, 1, std::string(40, 'A'), std::string(SiteRecord::kLength << 12, ' ')};
  std::string olderWithNul = ours;  // names were written as stored, NUL bytes and all
  olderWithNul.insert(olderWithNul.find(">A</H3>") + 2, 2, '\0');
  const std::string stranger = std::string(ours).insert(ours.find("    <DT>"), "<DT><H3>x</H3><DL><p></DL><p>\n");
  const std::string lastFolderEnd = ours.substr(0, ours.rfind("</DL><p>\n"));
  struct Case {
    const char* what;
    std::string before;
    std::vector<std::int64_t> keptTimes;  // newest first
    std::string aside;                    // what 已删除的收藏.1.html holds afterwards
  };
  const std::vector<Case> cases = {
      {"ours", ours, {3, 1, 2}, ""},
      {"full", deletedEntriesText(full), {}, ""},
      {"cut short", ours.substr(0, ours.size() - 20), {3}, ours.substr(0, ours.size() - 20)},
      {"another program's", "<html>something else</html>", {3}, "<html>something else</html>"},
      {"cut after a folder", lastFolderEnd, {3}, lastFolderEnd},
      {"with a folder no deletion made", stranger, {3}, stranger},
      {"written before names lost their NUL bytes", olderWithNul, {3, 1, 2}, ""},
      {"one deletion past the byte bound", deletedEntriesText({large}), {3}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    test::writeBytes(dir / pathFromUtf8(kDeletedEntriesFileName), c.before);
    {
      DataFolder folder(dir.path(), nativeFileSystem());
      FolderChange change(folder, {});
      ASSERT_TRUE(keepDeletion(change, deletionAt(3)));
      ASSERT_EQ(change.commit(), ChangeOutcome::done);
    }
    const std::string text = test::readBytes(dir / pathFromUtf8(kDeletedEntriesFileName));
    const std::optional<std::vector<Deletion>> kept = readDeletedEntries(text);
    ASSERT_TRUE(kept);
    std::vector<std::int64_t> times;
    for (const Deletion& deletion : *kept) times.push_back(deletion.time);
    if (c.keptTimes.empty()) {
      // The newest, then the newest of the rest, as many as the bounds keep.
      std::vector<std::int64_t> newest{3};
      for (std::int64_t time = 1000; newest.size() < times.size(); --time) newest.push_back(time);
      EXPECT_EQ(times, newest);
      EXPECT_LT(times.size(), full.size());
      EXPECT_LE(text.size(), kMaxDeletedEntriesBytes + deletedEntriesText({}).size());
    } else {
      EXPECT_EQ(times, c.keptTimes);
    }
    const std::filesystem::path aside = dir / pathFromUtf8(deletedEntriesAsideName(1));
    EXPECT_EQ(std::filesystem::exists(aside) ? test::readBytes(aside) : "", c.aside);
  }
}

}  // namespace
}  // namespace tarvola
