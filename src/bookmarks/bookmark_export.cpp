#include "bookmarks/bookmark_export.h"

#include "bookmarks/whole_collection.h"

namespace tarvola {

std::string bookmarkFileText(const std::vector<BookmarkFolder>& collection) { return bookmarkHtml("书签", collection); }

ExportOutcome exportBookmarks(DataFolder& folder, const std::filesystem::path& target,
                              std::chrono::milliseconds patience) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  if (folder.ownsFile(target)) {
    outcome.status = Status::folderFile;
    return outcome;
  }
  WholeCollection whole = readWholeCollection(folder, patience);
  if (whole.status != WholeCollection::Status::done) {
    outcome.status = whole.status == WholeCollection::Status::busy            ? Status::busy
                     : whole.status == WholeCollection::Status::pendingChange ? Status::pendingChange
                                                                              : Status::readFailed;
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
