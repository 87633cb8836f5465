#include "bookmarks/indexed_collection.h"

namespace tarvola {

IndexedCollection readIndexedCollection(DataFolder& folder, std::chrono::milliseconds patience) {
  auto index = std::make_shared<WebsiteIndex>();
  WholeCollection whole = readWholeCollectionAlongside(
      folder, patience, [&index](BookmarkFolder&& category) { index->add(std::move(category)); });
  IndexedCollection indexed{whole.status, std::move(whole.file), nullptr};
  if (indexed.status == WholeCollection::Status::done) indexed.index = std::move(index);
  return indexed;
}

}  // namespace tarvola
