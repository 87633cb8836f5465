#include "bookmarks/find_websites.h"

#include <utility>

#include "bookmarks/find/collection_search.h"

namespace tarvola {

// Each category is searched as it is read: the command prints what it finds
// once, so it builds no index to search again.
FindOutcome findWebsites(DataFolder& folder, std::string_view query, std::chrono::milliseconds patience) {
  FindOutcome outcome;
  CollectionSearch search(query);
  const WholeCollection whole = readWholeCollectionAlongside(
      folder, patience, [&search](BookmarkFolder&& category) { search.take(std::move(category)); });
  outcome.status = whole.status;
  outcome.file = whole.file;
  if (whole.status == WholeCollection::Status::done) outcome.found = std::move(search).found();
  return outcome;
}

}  // namespace tarvola
