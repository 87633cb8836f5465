#include "bookmarks/collection_additions.h"

#include "store/data_files.h"
#include "store/shown_names.h"

namespace tarvola {

namespace {

using Status = StagedAdditions::Status;

// A name the program never reads as a site file, not taken yet. One that
// can't be looked up counts as taken: it must not be overwritten.
std::optional<std::string> freeOrphanName(const FolderChange& change, int position) {
  for (int n = 1; n <= kFreeNameTries; ++n) {
    std::string name = orphanName(position, n);
    if (change.folder().lookUp(name) == FsStatus::missing) return name;
  }
  return std::nullopt;
}

// The whole records of a data file that is to get more: nothing unless it can be rewritten.
std::optional<std::string> recordsToExtend(FolderChange& change, std::string_view name, std::size_t recordLength) {
  std::optional<std::string> bytes = change.readToRewrite(name, recordLength);
  if (bytes) bytes->resize(bytes->size() / recordLength * recordLength);
  return bytes;
}

bool holdsTooManyRecords(std::string_view records, std::size_t recordLength) {
  return records.size() / recordLength > kMaxListEntries;
}

// A category's websites with `sites` appended, counted; those it holds already left out when they are to be.
void appendSites(std::string& content, std::string_view sites, SitesAlreadyThere already, StagedAdditions& staged) {
  const std::size_t before = content.size();
  if (already == SitesAlreadyThere::leftOut) {
    staged.alreadyThere += appendSitesNotThere(content, sites);
  } else {
    content += sites;
  }
  staged.addedSites += (content.size() - before) / SiteRecord::kLength;
}

Status plannedFiles(FolderChange& change, const Categories& categories, const Additions& additions,
                    SitesAlreadyThere already, std::map<std::string, std::string>& files, StagedAdditions& staged) {
  const int existing = static_cast<int>(categories.shown.size());
  for (const auto& [position, records] : additions.appendedSites) {
    const std::string name = siteFileName(position);
    staged.file = name;
    std::optional<std::string> content =
        position < existing ? recordsToExtend(change, name, SiteRecord::kLength) : std::string();
    if (!content) return Status::readFailed;
    const std::size_t before = content->size();
    appendSites(*content, records, already, staged);
    if (content->size() == before) continue;
    if (holdsTooManyRecords(*content, SiteRecord::kLength)) return Status::tooMany;
    files[name] = std::move(*content);
  }
  if (additions.newCategories.empty()) return Status::staged;
  staged.file = kCategoryFileName;
  std::string content = categories.records;
  for (const CategoryRecord& record : additions.newCategories) content += record.bytes();
  if (holdsTooManyRecords(content, CategoryRecord::kLength)) return Status::tooMany;
  files[staged.file] = std::move(content);
  return Status::staged;
}

}  // namespace

std::optional<Categories> readCategories(FolderChange& change) {
  std::optional<std::string> records = recordsToExtend(change, kCategoryFileName, CategoryRecord::kLength);
  if (!records) return std::nullopt;
  const ShownNames<CategoryRecord> names(*records);
  Categories categories{std::move(*records), {}};
  for (std::size_t i = 0; i < names.size(); ++i) categories.shown.push_back(names.at(i));
  return categories;
}

StagedAdditions stageAdditions(FolderChange& change, const Categories& categories, const Additions& additions,
                               SitesAlreadyThere sitesAlreadyThere) {
  StagedAdditions staged;
  std::map<std::string, std::string> files;
  staged.status = plannedFiles(change, categories, additions, sitesAlreadyThere, files, staged);
  if (staged.status != Status::staged) return staged;
  // A new category's place may hold a site file that belongs to no category:
  // it must neither show under the new category nor be lost.
  const int existing = static_cast<int>(categories.shown.size());
  const int added = static_cast<int>(additions.newCategories.size());
  for (int position = existing; position < existing + added; ++position) {
    if (change.folder().lookUp(siteFileName(position)) == FsStatus::missing) continue;
    const std::optional<std::string> kept = freeOrphanName(change, position);
    if (!kept) {
      staged.status = Status::writeFailed;
      staged.file = siteFileName(position);
      return staged;
    }
    change.move(siteFileName(position), *kept);
    staged.keptOrphans.emplace_back(siteFileName(position), *kept);
  }
  for (const auto& [name, content] : files) {
    staged.file = name;
    if (!change.stage(name, content)) {
      staged.status = Status::writeFailed;
      return staged;
    }
  }
  staged.file.clear();
  return staged;
}

}  // namespace tarvola
