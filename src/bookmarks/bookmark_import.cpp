#include "bookmarks/bookmark_import.h"

#include <map>
#include <optional>

#include "ops/record_names.h"
#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/record_file.h"
#include "store/records.h"

namespace tarvola {

namespace {

using Status = ImportOutcome::Status;

// A name the program never reads as a site file, not taken yet. One that
// can't be looked up counts as taken: it must not be overwritten.
std::string orphanName(FolderChange& change, int position) {
  std::string name = "orphan-" + std::to_string(position) + ".dat";
  for (int n = 2; change.fs().lookUp(change.dataDir() / name) != FsStatus::missing; ++n)
    name = "orphan-" + std::to_string(position) + "-" + std::to_string(n) + ".dat";
  return name;
}

// The whole records of a data file that is to get more: nothing unless it can
// be rewritten (FolderChange::readToRewrite). A partial last record is dropped,
// or the new ones would not line up.
std::optional<std::string> recordsToExtend(FolderChange& change, std::string_view name, std::size_t recordLength) {
  std::optional<std::string> bytes = change.readToRewrite(name, recordLength);
  if (bytes) bytes->resize(bytes->size() / recordLength * recordLength);
  return bytes;
}

bool holdsTooManyRecords(std::string_view records, std::size_t recordLength) {
  return records.size() / recordLength > RecordFile::kMaxRecords;
}

// Every file the import writes, whole, before any is written: a bound that
// would be passed stops it while nothing has changed.
Status plannedFiles(FolderChange& change, const ImportPlan& plan, std::string_view categories, int existing,
                    std::map<std::string, std::string>& files, std::string& failed) {
  for (const auto& [position, records] : plan.appendedSites) {
    const std::string name = siteFileName(position);
    failed = name;
    std::optional<std::string> content =
        position < existing ? recordsToExtend(change, name, SiteRecord::kLength) : std::string();
    if (!content) return Status::readFailed;
    *content += records;
    if (holdsTooManyRecords(*content, SiteRecord::kLength)) return Status::tooMany;
    files[name] = std::move(*content);
  }
  if (plan.newCategories.empty()) return Status::done;
  failed = kCategoryFileName;
  std::string content(categories);
  for (const CategoryRecord& record : plan.newCategories) content += record.bytes();
  if (holdsTooManyRecords(content, CategoryRecord::kLength)) return Status::tooMany;
  files[failed] = std::move(content);
  return Status::done;
}

Status importUnder(FolderChange& change, const BookmarkTree& tree, const Progress& progress, ImportOutcome& outcome) {
  if (change.state() != FolderChange::State::ready)
    return change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
  // What the collection holds now, read again under the lock.
  outcome.file = kCategoryFileName;
  const std::optional<std::string> categories =
      recordsToExtend(change, kCategoryFileName, CategoryRecord::kLength);
  if (!categories) return Status::readFailed;
  const RecordNames<CategoryRecord> names(*categories);
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < names.size(); ++i) shown.push_back(names.at(i));
  outcome.plan = planImport(shown, tree, progress);
  const int existing = static_cast<int>(shown.size());

  std::map<std::string, std::string> files;
  if (const Status planned = plannedFiles(change, outcome.plan, *categories, existing, files, outcome.file);
      planned != Status::done)
    return planned;
  // A new category's place may hold a site file that belongs to no category:
  // it must neither show under the new category nor be lost.
  const int added = static_cast<int>(outcome.plan.newCategories.size());
  for (int position = existing; position < existing + added; ++position) {
    if (change.fs().lookUp(siteFile(change.dataDir(), position)) == FsStatus::missing) continue;
    const std::string kept = orphanName(change, position);
    change.move(siteFileName(position), kept);
    outcome.keptOrphans.emplace_back(siteFileName(position), kept);
  }
  for (const auto& [name, content] : files) {
    outcome.file = name;
    if (!change.stage(name, content)) return Status::writeFailed;
  }
  outcome.file.clear();
  switch (change.commit()) {
    case ChangeOutcome::done: return Status::done;
    case ChangeOutcome::notBegun: return Status::writeFailed;
    case ChangeOutcome::unfinished: return Status::unfinished;
  }
  return Status::unfinished;
}

}  // namespace

ImportOutcome importBookmarks(FileSystem& fs, const std::filesystem::path& dataDir, std::string_view bookmarkFile,
                              const Progress& progress, std::chrono::milliseconds patience) {
  ImportOutcome outcome;
  std::variant<BookmarkTree, UnreadableFile> parsed = parseBookmarkFile(bookmarkFile);
  if (auto* unreadable = std::get_if<UnreadableFile>(&parsed)) {
    outcome.status = Status::unreadable;
    outcome.unreadable = *unreadable;
    return outcome;
  }
  FolderChange change(fs, dataDir, patience);
  outcome.status = importUnder(change, std::get<BookmarkTree>(parsed), progress, outcome);
  return outcome;
}

}  // namespace tarvola
