#include "bookmarks/bookmark_export.h"

#include <optional>

#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/records.h"
#include "store/shown_names.h"

namespace tarvola {

namespace {

// What the window shows: every category's whole records, missing files as empty ones.
std::optional<std::vector<BookmarkFolder>> readCollection(const DataFolder& folder, std::string& failedFile) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories = folder.shownRecords(kCategoryFileName, CategoryRecord::kLength);
  if (!categories) return std::nullopt;
  const ShownNames<CategoryRecord> names(*categories);
  std::vector<BookmarkFolder> collection;
  for (std::size_t position = 0; position < names.size(); ++position) {
    failedFile = siteFileName(static_cast<int>(position));
    std::optional<std::string> sites = folder.shownRecords(failedFile, SiteRecord::kLength);
    if (!sites) return std::nullopt;
    BookmarkFolder& category = collection.emplace_back(BookmarkFolder{names.at(position), {}, {}});
    const ShownNames<SiteRecord> links(std::move(*sites));
    for (std::size_t link = 0; link < links.size(); ++link) {
      const SiteRecord site = links.record(link);
      category.links.push_back({site.shownName(), site.shownUrl(), {}});
    }
  }
  failedFile.clear();
  return collection;
}

}  // namespace

std::string bookmarkFileText(const std::vector<BookmarkFolder>& collection) { return bookmarkHtml("书签", collection); }

ExportOutcome exportBookmarks(DataFolder& folder, const std::filesystem::path& target,
                              std::chrono::milliseconds patience) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  if (folder.ownsFile(target)) {
    outcome.status = Status::folderFile;
    return outcome;
  }
  std::optional<std::vector<BookmarkFolder>> collection;
  {
    const FolderChange change(folder, patience);
    if (change.state() != FolderChange::State::ready) {
      outcome.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
      return outcome;
    }
    collection = readCollection(folder, outcome.file);
  }
  if (!collection) {
    outcome.status = Status::readFailed;
    return outcome;
  }
  outcome.categories = collection->size();
  for (const BookmarkFolder& category : *collection) outcome.sites += category.links.size();
  if (!folder.writeOtherFile(target, bookmarkFileText(*collection))) outcome.status = Status::writeFailed;
  return outcome;
}

}  // namespace tarvola
