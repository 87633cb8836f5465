#include "bookmarks/collection_listing.h"

#include "store/data_files.h"
#include "store/records.h"
#include "support/file_bytes.h"

namespace tarvola::test {

namespace {

std::string bytesOrNothing(const std::filesystem::path& path) {
  return std::filesystem::exists(path) ? readBytes(path) : std::string();
}

}  // namespace

std::string collectionListing(const std::filesystem::path& dataDir) {
  const std::string categories = bytesOrNothing(categoryFile(dataDir));
  std::string listing;
  for (std::size_t c = 0; c * CategoryRecord::kLength < categories.size(); ++c) {
    const auto category = CategoryRecord::fromBytes(
        std::span<const char, CategoryRecord::kLength>(categories.data() + c * CategoryRecord::kLength, CategoryRecord::kLength));
    listing += category.shownName() + ":";
    const std::string sites = bytesOrNothing(siteFile(dataDir, static_cast<int>(c)));
    for (std::size_t at = 0; at + SiteRecord::kLength <= sites.size(); at += SiteRecord::kLength) {
      const auto site = SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(sites.data() + at, SiteRecord::kLength));
      listing += " " + site.shownName() + " <" + site.shownUrl() + ">";
    }
    listing += "\n";
  }
  return listing;
}

std::string fixtureBytes(const std::string& name) {
  return readBytes(std::filesystem::path(TARVOLA_BOOKMARK_FIXTURES_DIR) / name);
}

}  // namespace tarvola::test
