#include "bookmarks/window/loaded_collection.h"

#include "bookmarks/indexed_collection.h"
#include "bookmarks/restore_deleted.h"

namespace tarvola {

LoadedCollection::LoadedCollection(DataFolder& folder)
    : folder_(folder), watch_(folder.watch()), index_(std::make_shared<WebsiteIndex>(std::vector<BookmarkFolder>{})) {}

bool LoadedCollection::readIfChanged() {
  // Asked every time, so that a change seen now isn't reported again after this read.
  if (watch_->changed()) stale_ = true;
  if (!stale_) return false;
  IndexedCollection indexed = readIndexedCollection(folder_, kWindowPatience);
  if (indexed.status == WholeCollection::Status::busy) return false;
  status_ = indexed.status;
  failedFile_ = std::move(indexed.file);
  if (indexed.index) index_ = std::move(indexed.index);
  const DeletedOutcome kept = listDeleted(folder_, kWindowPatience);
  // Still stale: the deletions are read again at the next call.
  if (kept.status == DeletedOutcome::Status::busy) return true;
  deletions_ = kept.status == DeletedOutcome::Status::done ? kept.deletions : std::vector<Deletion>{};
  stale_ = false;
  return true;
}

}  // namespace tarvola
