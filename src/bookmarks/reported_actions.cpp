#include "bookmarks/reported_actions.h"

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_import.h"
#include "bookmarks/find_websites.h"
#include "bookmarks/messages.h"
#include "bookmarks/restore_deleted.h"
#include "store/data_files.h"

namespace tarvola {

Reported importFile(DataFolder& folder, const std::string& file, const Progress& progress) {
  if (folder.isKeptDeletions(pathFromUtf8(file))) return restoreDeletions(folder, std::nullopt);
  // Only read: a file of a read-only folder, or one another program holds open, imports too.
  const WholeFile bookmarks = folder.readOtherFile(pathFromUtf8(file), kLargestBookmarkFile);
  if (bookmarks.status != WholeFile::Status::read)
    return {unreadableFileReport(file, bookmarks.status == WholeFile::Status::tooLarge), true};
  const ImportOutcome outcome = importBookmarks(folder, bookmarks.bytes, progress);
  return {importReport(outcome, file), outcome.status != ImportOutcome::Status::done};
}

Reported exportFile(DataFolder& folder, const std::string& file) {
  const ExportOutcome outcome = exportBookmarks(folder, pathFromUtf8(file));
  return {exportReport(outcome, file), outcome.status != ExportOutcome::Status::done};
}

Reported listDeletions(DataFolder& folder) {
  const DeletedOutcome outcome = listDeleted(folder);
  const bool failed =
      outcome.status != DeletedOutcome::Status::done && outcome.status != DeletedOutcome::Status::nothingKept;
  return {deletedListing(outcome), failed};
}

Reported restoreDeletions(DataFolder& folder, const std::optional<std::vector<std::size_t>>& numbers) {
  const DeletedOutcome outcome = restoreDeleted(folder, numbers);
  return {restoreReport(outcome), outcome.status != DeletedOutcome::Status::done};
}

Reported findInCollection(DataFolder& folder, const std::string& query) {
  const FindOutcome outcome = findWebsites(folder, query);
  return {findReport(outcome, query), outcome.status != WholeCollection::Status::done || outcome.found.empty()};
}

}  // namespace tarvola
