#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "bookmarks/find/website_index.h"
#include "bookmarks/whole_collection.h"

namespace tarvola {

struct FindOutcome {
  WholeCollection::Status status = WholeCollection::Status::done;
  std::string file;  // the file that could not be read
  std::vector<FoundWebsite> found;  // the best first
};

// The websites of the whole collection that `query` finds (WebsiteIndex::find).
FindOutcome findWebsites(DataFolder& folder, std::string_view query,
                         std::chrono::milliseconds patience = kToolPatience);

}  // namespace tarvola
