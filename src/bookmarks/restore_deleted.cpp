#include "bookmarks/restore_deleted.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <span>

#include "bookmarks/collection_additions.h"
#include "store/data_files.h"
#include "store/deletion_numbers.h"
#include "store/records.h"

namespace tarvola {

namespace {

using Status = DeletedOutcome::Status;

std::optional<Status> refusal(const FolderChange& change) {
  switch (change.state()) {
    case FolderChange::State::ready: return std::nullopt;
    case FolderChange::State::busy: return Status::busy;
    case FolderChange::State::pending: return Status::pendingChange;
  }
  return Status::pendingChange;
}

std::optional<Status> refusal(const KeptDeletions& kept) {
  switch (kept.state) {
    case KeptDeletions::State::kept: return std::nullopt;
    case KeptDeletions::State::none: return Status::nothingKept;
    case KeptDeletions::State::foreign: return Status::damaged;
    case KeptDeletions::State::unreadable: return Status::readFailed;
  }
  return Status::readFailed;
}

CategoryRecord categoryOf(const Deletion& deletion) {
  return CategoryRecord::fromBytes(
      std::span<const char, CategoryRecord::kLength>(deletion.category.data(), CategoryRecord::kLength));
}

// The categories first, then the websites deleted alone, so that a website
// finds its category back; each the oldest first, in the order they stood.
Additions additionsOf(const Categories& categories, const std::vector<Deletion>& newestFirst) {
  Additions additions;
  std::map<std::string, int> positions;
  for (std::size_t i = 0; i < categories.shown.size(); ++i)
    positions.try_emplace(categories.shown[i], static_cast<int>(i));
  const auto newCategory = [&](const CategoryRecord& record) {
    const int position = static_cast<int>(categories.shown.size() + additions.newCategories.size());
    additions.newCategories.push_back(record);
    positions.try_emplace(record.shownName(), position);
    return position;
  };
  for (const Deletion::Kind kind : {Deletion::Kind::category, Deletion::Kind::website}) {
    for (std::size_t i = newestFirst.size(); i-- > 0;) {
      const Deletion& deletion = newestFirst[i];
      if (deletion.kind != kind) continue;
      const CategoryRecord category = categoryOf(deletion);
      const auto named = positions.find(category.shownName());
      const int position =
          kind == Deletion::Kind::website && named != positions.end() ? named->second : newCategory(category);
      if (!deletion.sites.empty()) additions.appendedSites[position] += deletion.sites;
    }
  }
  return additions;
}

// The deletions kept, read under the change's lock; the file named when it is what stops it.
std::optional<Status> readKept(const FolderChange& change, KeptDeletions& kept, DeletedOutcome& outcome) {
  if (const std::optional<Status> refused = refusal(change)) return refused;
  kept = readKeptDeletions(change);
  const std::optional<Status> refused = refusal(kept);
  if (refused) outcome.file = kDeletedEntriesFileName;
  return refused;
}

Status restoreUnder(FolderChange& change, const std::optional<std::vector<std::size_t>>& numbers,
                    DeletedOutcome& outcome) {
  KeptDeletions kept;
  if (const std::optional<Status> refused = readKept(change, kept, outcome)) return *refused;
  std::vector<Deletion>& remaining = kept.newestFirst;
  if (numbers) {
    for (const std::size_t number : *numbers)
      if (deletionNumbered(remaining, number) == remaining.end()) return Status::noSuchNumber;
    const auto named = [&numbers](const Deletion& deletion) {
      return std::find(numbers->begin(), numbers->end(), static_cast<std::size_t>(deletion.number)) != numbers->end();
    };
    // In the file's order, newest first, whatever order they were named in.
    const auto chosen = std::stable_partition(remaining.begin(), remaining.end(), std::not_fn(named));
    outcome.deletions.assign(std::make_move_iterator(chosen), std::make_move_iterator(remaining.end()));
    remaining.erase(chosen, remaining.end());
  } else {
    outcome.deletions = std::move(remaining);
    remaining.clear();
  }
  outcome.file = kCategoryFileName;
  const std::optional<Categories> categories = readCategories(change);
  if (!categories) return Status::readFailed;
  const Additions additions = additionsOf(*categories, outcome.deletions);
  StagedAdditions staged = stageAdditions(change, *categories, additions, SitesAlreadyThere::addedAgain);
  if (staged.status == StagedAdditions::Status::staged && !stageKeptDeletions(change, remaining)) {
    staged.status = StagedAdditions::Status::writeFailed;
    staged.file = kDeletedEntriesFileName;
  }
  const auto status = commitAdditions<Status>(staged, change);
  outcome.file = std::move(staged.file);
  outcome.keptOrphans = std::move(staged.keptOrphans);
  outcome.createdCategories = additions.newCategories.size();
  outcome.restoredSites = staged.addedSites;
  return status;
}

}  // namespace

DeletedOutcome listDeleted(DataFolder& folder, std::chrono::milliseconds patience) {
  DeletedOutcome outcome;
  const FolderChange change(folder, patience);
  KeptDeletions kept;
  outcome.status = readKept(change, kept, outcome).value_or(Status::done);
  outcome.deletions = std::move(kept.newestFirst);
  return outcome;
}

DeletedOutcome restoreDeleted(DataFolder& folder, const std::optional<std::vector<std::size_t>>& numbers,
                              std::chrono::milliseconds patience) {
  DeletedOutcome outcome;
  FolderChange change(folder, patience);
  outcome.status = restoreUnder(change, numbers, outcome);
  return outcome;
}

}  // namespace tarvola
