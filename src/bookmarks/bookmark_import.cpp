#include "bookmarks/bookmark_import.h"

#include <memory>

#include "bookmarks/collection_files.h"
#include "store/change_intent.h"
#include "store/data_files.h"
#include "store/records.h"

namespace tarvola {

namespace {

std::string siteFileName(int position) { return std::to_string(position) + ".dat"; }

// A name the program never reads as a site file, not taken yet.
std::string orphanName(const std::filesystem::path& dataDir, int position) {
  std::string name = "orphan-" + std::to_string(position) + ".dat";
  for (int n = 2; fileExists(dataDir / name); ++n) name = "orphan-" + std::to_string(position) + "-" + std::to_string(n) + ".dat";
  return name;
}

bool writeFlushed(FileSystem& fs, const std::filesystem::path& path, std::string_view content) {
  std::unique_ptr<File> file = fs.open(path, OpenMode::truncate);
  return file && file->writeAt(0, content) && file->sync();
}

class ChangeBuilder {
 public:
  ChangeBuilder(FileSystem& fs, const std::filesystem::path& dataDir) : fs_(fs), dataDir_(dataDir) {}
  ~ChangeBuilder() {
    if (!committed_)
      for (const std::string& temp : temps_) fs_.remove(dataDir_ / temp);
  }
  ChangeBuilder(const ChangeBuilder&) = delete;
  ChangeBuilder& operator=(const ChangeBuilder&) = delete;

  bool replaceWith(const std::string& target, std::string_view content) {
    std::string temp = "imp-" + std::to_string(temps_.size()) + ".tmp";
    temps_.push_back(temp);
    if (!writeFlushed(fs_, dataDir_ / temp, content)) return false;
    steps_.push_back({ChangeStep::Kind::replace, std::move(temp), target});
    return true;
  }
  void move(const std::string& from, const std::string& to) {
    steps_.push_back({ChangeStep::Kind::moveNoReplace, from, to});
  }
  bool carryOut() {
    committed_ = true;
    return steps_.empty() || carryOutChange(fs_, dataDir_, steps_);
  }

 private:
  FileSystem& fs_;
  const std::filesystem::path& dataDir_;
  std::vector<std::string> temps_;
  std::vector<ChangeStep> steps_;
  bool committed_ = false;
};

}  // namespace

ImportOutcome importBookmarks(FileSystem& fs, const std::filesystem::path& dataDir, std::string_view bookmarkFile,
                              const Progress& progress) {
  using Status = ImportOutcome::Status;
  ImportOutcome outcome;
  std::variant<BookmarkTree, UnreadableFile> parsed = parseBookmarkFile(bookmarkFile);
  if (auto* unreadable = std::get_if<UnreadableFile>(&parsed)) {
    outcome.status = Status::unreadable;
    outcome.unreadable = *unreadable;
    return outcome;
  }
  auto fail = [&outcome](Status status, std::string file) {
    outcome.status = status;
    outcome.file = std::move(file);
    return outcome;
  };
  if (!finishPendingChange(fs, dataDir)) return fail(Status::pendingChange, {});
  const std::optional<std::string> categories = readChangeableRecords(fs, categoryFile(dataDir), CategoryRecord::kLength);
  if (!categories) return fail(Status::readFailed, "wwww.dat");
  const std::vector<std::string> shown = shownCategoryNames(*categories);
  outcome.plan = planImport(shown, std::get<BookmarkTree>(parsed), progress);
  const ImportPlan& plan = outcome.plan;
  const int existing = static_cast<int>(shown.size());

  ChangeBuilder change(fs, dataDir);
  // A new category's place may hold a site file that belongs to no category:
  // it must neither show under the new category nor be lost.
  for (int position = existing; position < existing + static_cast<int>(plan.newCategories.size()); ++position) {
    if (!fileExists(siteFile(dataDir, position))) continue;
    const std::string kept = orphanName(dataDir, position);
    change.move(siteFileName(position), kept);
    outcome.keptOrphans.emplace_back(siteFileName(position), kept);
  }
  for (const auto& [position, records] : plan.appendedSites) {
    std::string content;
    if (position < existing) {
      const std::optional<std::string> old = readChangeableRecords(fs, siteFile(dataDir, position), SiteRecord::kLength);
      if (!old) return fail(Status::readFailed, siteFileName(position));
      content = *old;
    }
    content += records;
    if (holdsTooManyRecords(content, SiteRecord::kLength)) return fail(Status::tooMany, siteFileName(position));
    if (!change.replaceWith(siteFileName(position), content)) return fail(Status::writeFailed, siteFileName(position));
  }
  if (!plan.newCategories.empty()) {
    std::string content = *categories;
    for (const CategoryRecord& record : plan.newCategories) content += record.bytes();
    if (holdsTooManyRecords(content, CategoryRecord::kLength)) return fail(Status::tooMany, "wwww.dat");
    if (!change.replaceWith("wwww.dat", content)) return fail(Status::writeFailed, "wwww.dat");
  }
  if (!change.carryOut()) outcome.status = Status::unfinished;
  return outcome;
}

}  // namespace tarvola
