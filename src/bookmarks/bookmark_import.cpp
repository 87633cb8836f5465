#include "bookmarks/bookmark_import.h"

#include <optional>

#include "store/data_files.h"
#include "store/folder_change.h"

namespace tarvola {

namespace {

using Status = ImportOutcome::Status;

Status importUnder(FolderChange& change, const BookmarkTree& tree, const Progress& progress, ImportOutcome& outcome) {
  if (change.state() != FolderChange::State::ready)
    return change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
  // What the collection holds now, read again under the lock.
  outcome.file = kCategoryFileName;
  const std::optional<Categories> categories = readCategories(change);
  if (!categories) return Status::readFailed;
  outcome.plan = planImport(categories->shown, tree, progress);
  StagedAdditions staged = stageAdditions(change, *categories, outcome.plan, SitesAlreadyThere::leftOut);
  const auto status = commitAdditions<Status>(staged, change);
  outcome.file = std::move(staged.file);
  outcome.keptOrphans = std::move(staged.keptOrphans);
  outcome.addedSites = staged.addedSites;
  outcome.alreadyThere = staged.alreadyThere;
  return status;
}

}  // namespace

ImportOutcome importBookmarks(DataFolder& folder, std::string_view bookmarkFile, const Progress& progress,
                              std::chrono::milliseconds patience) {
  ImportOutcome outcome;
  std::variant<BookmarkTree, UnreadableFile> parsed = parseBookmarkFile(bookmarkFile);
  if (auto* unreadable = std::get_if<UnreadableFile>(&parsed)) {
    outcome.status = Status::unreadable;
    outcome.unreadable = *unreadable;
    return outcome;
  }
  FolderChange change(folder, patience);
  outcome.status = importUnder(change, std::get<BookmarkTree>(parsed), progress, outcome);
  return outcome;
}

}  // namespace tarvola
