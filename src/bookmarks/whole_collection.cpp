#include "bookmarks/whole_collection.h"

#include <optional>

#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/records.h"
#include "store/shown_names.h"

namespace tarvola {

namespace {

std::optional<std::vector<BookmarkFolder>> readCollection(const DataFolder& folder, std::string& failedFile) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories = folder.shownRecords(kCategoryFileName, CategoryRecord::kLength);
  if (!categories) return std::nullopt;
  const ShownNames<CategoryRecord> names(*categories);
  std::vector<BookmarkFolder> collection;
  collection.reserve(names.size());
  for (std::size_t position = 0; position < names.size(); ++position) {
    failedFile = siteFileName(static_cast<int>(position));
    std::optional<std::string> sites = folder.shownRecords(failedFile, SiteRecord::kLength);
    if (!sites) return std::nullopt;
    BookmarkFolder& category = collection.emplace_back(BookmarkFolder{names.at(position), {}, {}});
    const ShownNames<SiteRecord> links(std::move(*sites));
    category.links.reserve(links.size());
    for (std::size_t link = 0; link < links.size(); ++link) {
      const SiteRecord site = links.record(link);
      category.links.push_back({site.shownName(), site.shownUrl(), {}});
    }
  }
  failedFile.clear();
  return collection;
}

}  // namespace

WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience) {
  using Status = WholeCollection::Status;
  WholeCollection whole;
  const FolderChange change(folder, patience);
  if (change.state() != FolderChange::State::ready) {
    whole.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
    return whole;
  }
  std::optional<std::vector<BookmarkFolder>> collection = readCollection(folder, whole.file);
  if (!collection) {
    whole.status = Status::readFailed;
    return whole;
  }
  whole.categories = std::move(*collection);
  return whole;
}

}  // namespace tarvola
