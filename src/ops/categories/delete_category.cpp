#include "ops/categories/delete_category.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "ops/folder_access.h"
#include "ops/list_refresh.h"
#include "ops/selection.h"
#include "store/data_files.h"
#include "store/deleted_entries.h"
#include "store/records.h"
#include "store/records.h"

namespace tarvola {

namespace {

// The deleted category's site file aside to ls.dat (which must be free), then
// the site files of positions deleted + 1 to `last` each to the next lower
// number, in ascending order. Only files that are there now: a redo then never
// moves a file into a number that a later step fills. False when a file can't be looked up.
bool moveSiteFilesDown(FolderChange& change, int deleted, int last) {
  const auto moveIfThere = [&change](const std::string& from, std::string_view to) {
    const FsStatus status = change.folder().lookUp(from);
    if (status == FsStatus::ok) change.move(from, std::string(to));
    return status != FsStatus::failed;
  };
  if (!moveIfThere(siteFileName(deleted), kTempSiteFileName)) return false;
  for (int position = deleted; position < last; ++position) {
    if (!moveIfThere(siteFileName(position + 1), siteFileName(position))) return false;
  }
  return true;
}

// The category with its websites, as they are stored, kept among the deleted
// entries. The file that stopped it, if any.
std::optional<std::string> keepDeletedCategory(Host& host, FolderChange& change, std::string_view categories,
                                               int position) {
  const std::string siteFile = siteFileName(position);
  const std::optional<std::string> sites = change.folder().shownRecords(siteFile, SiteRecord::kLength);
  if (!sites) return siteFile;
  const std::size_t at = static_cast<std::size_t>(position) * CategoryRecord::kLength;
  if (!keepDeletion(change, {Deletion::Kind::category, host.now(),
                             std::string(categories.substr(at, CategoryRecord::kLength)), *sites}))
    return std::string(kDeletedEntriesFileName);
  return std::nullopt;
}

// The new category file, the kept deletion and every renumbering go in one
// recorded change: an interrupted one is finished at the next event or start,
// so a category is never shown with another's websites. Nothing changes unless
// the category at `position` is still the one the list shows. The file that
// stopped it, if any.
std::optional<std::string> deleteCategory(Host& host, DataFolder& folder, int position) {
  WindowChange change(host, folder);
  if (!change.ready()) return std::nullopt;
  const std::optional<std::string> old = change.readToRewrite(kCategoryFileName, CategoryRecord::kLength);
  if (!old) return std::string(kCategoryFileName);
  if (!listShowsRecordAt(host, ListBox::List1, position, *old)) return std::nullopt;
  const std::optional<std::string> rest =
      wholeRecordsWithout(*old, CategoryRecord::kLength, static_cast<std::uint64_t>(position) + 1);
  if (!rest) return std::string(kCategoryFileName);
  if (!change.clearTemporary(kTempSiteFileName)) return std::string(kTempSiteFileName);
  if (std::optional<std::string> stopped = keepDeletedCategory(host, change, *old, position)) return stopped;
  // The file of position `count`, which no category owns, moves along as well.
  const std::uint64_t count = old->size() / CategoryRecord::kLength;
  const int last = static_cast<int>(std::min<std::uint64_t>(count, std::numeric_limits<int>::max()));
  if (!change.stage(std::string(kCategoryFileName), *rest, std::string(kTempCategoryFileName)))
    return std::string(kTempCategoryFileName);
  if (!moveSiteFilesDown(change, position, last)) return siteFileName(position);
  switch (change.commit()) {
    case ChangeOutcome::notBegun: return std::string(kChangeRecordName);
    // The next event finishes it; until then the caption says why nothing shows.
    case ChangeOutcome::unfinished: return std::nullopt;
    case ChangeOutcome::done: break;
  }
  // The deleted category's websites; what can't go now is cleared before ls.dat is used again.
  change.clearTemporary(kTempSiteFileName);
  return std::nullopt;
}

}  // namespace

void scwzlb_Click(Host& host, DataFolder& folder) {
  const int position = host.selectedIndex(ListBox::List1);
  if (position < 0 || refuseWhileChangePending(host, folder)) return;
  if (!host.confirm("您是否真的删除所选网站类别及其所属网站？", "提示")) return;
  const std::optional<std::string> stopped = deleteCategory(host, folder, position);
  rebuildCategoryList(host, folder);
  if (stopped) sayChangeFailed(host, *stopped);
}

}  // namespace tarvola
