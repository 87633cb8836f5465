#include "bookmarks/bookmark_export.h"

#include <optional>

#include "ops/record_names.h"
#include "store/atomic_rewrite.h"
#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

// What the window shows: every category's whole records, missing files as empty ones.
std::optional<std::vector<BookmarkFolder>> readCollection(FileSystem& fs, const std::filesystem::path& dataDir,
                                                            std::string& failedFile) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories =
      readShownRecords(fs, categoryFile(dataDir), CategoryRecord::kLength, OpenMode::readOnly);
  if (!categories) return std::nullopt;
  const RecordNames<CategoryRecord> names(*categories);
  std::vector<BookmarkFolder> collection;
  for (std::size_t position = 0; position < names.size(); ++position) {
    failedFile = siteFileName(static_cast<int>(position));
    const std::optional<std::string> sites = readShownRecords(
        fs, siteFile(dataDir, static_cast<int>(position)), SiteRecord::kLength, OpenMode::readOnly);
    if (!sites) return std::nullopt;
    BookmarkFolder& category = collection.emplace_back(BookmarkFolder{names.at(position), {}, {}});
    for (std::size_t at = 0; at < sites->size(); at += SiteRecord::kLength) {
      const SiteRecord site =
          SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(sites->data() + at, SiteRecord::kLength));
      category.links.push_back({site.shownName(), site.shownUrl(), {}});
    }
  }
  failedFile.clear();
  return collection;
}

}  // namespace

std::string bookmarkFileText(const std::vector<BookmarkFolder>& collection) { return bookmarkHtml("书签", collection); }

ExportOutcome exportBookmarks(FileSystem& fs, const std::filesystem::path& dataDir, const std::filesystem::path& target,
                              std::chrono::milliseconds patience) {
  using Status = ExportOutcome::Status;
  ExportOutcome outcome;
  std::optional<std::vector<BookmarkFolder>> collection;
  {
    const FolderChange change(fs, dataDir, patience);
    if (change.state() != FolderChange::State::ready) {
      outcome.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
      return outcome;
    }
    collection = readCollection(fs, dataDir, outcome.file);
  }
  if (!collection) {
    outcome.status = Status::readFailed;
    return outcome;
  }
  outcome.categories = collection->size();
  for (const BookmarkFolder& category : *collection) outcome.sites += category.links.size();
  std::filesystem::path temp = target;
  temp += ".tmp";
  if (!rewriteAtomically(fs, target, temp, bookmarkFileText(*collection))) outcome.status = Status::writeFailed;
  return outcome;
}

}  // namespace tarvola
