#include "bookmarks/bookmark_export.h"

#include "bookmarks/whole_collection.h"

namespace tarvola {

namespace {

ExportOutcome::Status exportStatusOf(WholeCollection::Status status) {
  using Status = ExportOutcome::Status;
  switch (status) {
    case WholeCollection::Status::done: return Status::done;
    case WholeCollection::Status::busy: return Status::busy;
    case WholeCollection::Status::pendingChange: return Status::pendingChange;
    case WholeCollection::Status::readFailed: break;
  }
  return Status::readFailed;
}

}  // namespace

std::string bookmarkFileText(const std::vector<BookmarkFolder>& collection) { return bookmarkHtml("书签", collection); }

ExportOutcome exportBookmarks(DataFolder& folder, const std::filesystem::path& target,
                              std::chrono::milliseconds patience) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  if (folder.ownsFile(target)) {
    outcome.status = Status::folderFile;
    return outcome;
  }
  const WholeCollection whole = readWholeCollection(folder, patience);
  if (whole.status != WholeCollection::Status::done) {
    outcome.status = exportStatusOf(whole.status);
    outcome.file = whole.file;
    return outcome;
  }
  const std::vector<BookmarkFolder>& collection = whole.categories;
  outcome.categories = collection.size();
  for (const BookmarkFolder& category : collection) outcome.sites += category.links.size();
  if (!folder.writeOtherFile(target, bookmarkFileText(collection))) outcome.status = Status::writeFailed;
  return outcome;
}

}  // namespace tarvola
