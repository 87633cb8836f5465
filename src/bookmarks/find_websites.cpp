#include "bookmarks/find_websites.h"

namespace tarvola {

FindOutcome findWebsites(DataFolder& folder, std::string_view query, std::chrono::milliseconds patience) {
  FindOutcome outcome;
  const WholeCollection whole = readWholeCollection(folder, patience);
  outcome.status = whole.status;
  outcome.file = whole.file;
  if (whole.status != WholeCollection::Status::done) return outcome;
  const WebsiteIndex index(whole.categories);
  for (const std::size_t position : index.find(query)) outcome.found.push_back(index.websites()[position]);
  return outcome;
}

}  // namespace tarvola
