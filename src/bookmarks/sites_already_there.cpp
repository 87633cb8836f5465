#include "bookmarks/sites_already_there.h"

#include <set>
#include <span>
#include <utility>

#include "store/records.h"

namespace tarvola {

namespace {

// A website as the list and the browser show it.
std::pair<std::string, std::string> shownSite(std::string_view bytes, std::size_t at) {
  const SiteRecord site =
      SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(bytes.data() + at, SiteRecord::kLength));
  return {site.shownName(), site.shownUrl()};
}

}  // namespace

std::size_t appendSitesNotThere(std::string& records, std::string_view added) {
  std::set<std::pair<std::string, std::string>> there;
  for (std::size_t at = 0; at + SiteRecord::kLength <= records.size(); at += SiteRecord::kLength)
    there.insert(shownSite(records, at));
  std::size_t leftOut = 0;
  for (std::size_t at = 0; at + SiteRecord::kLength <= added.size(); at += SiteRecord::kLength) {
    if (there.insert(shownSite(added, at)).second) {
      records += added.substr(at, SiteRecord::kLength);
    } else {
      ++leftOut;
    }
  }
  return leftOut;
}

}  // namespace tarvola
