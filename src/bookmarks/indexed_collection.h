#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "bookmarks/find/website_index.h"
#include "bookmarks/whole_collection.h"

namespace tarvola {

struct IndexedCollection {
  WholeCollection::Status status = WholeCollection::Status::done;
  std::string file;  // the file that could not be read
  std::shared_ptr<const WebsiteIndex> index;  // when done
};

// The whole collection read as one (readWholeCollection) into an index for
// searches as you type, each category indexed as it is read: the collection
// itself is never kept.
IndexedCollection readIndexedCollection(DataFolder& folder, std::chrono::milliseconds patience);

}  // namespace tarvola
