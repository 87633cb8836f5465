#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/folder_change.h"

namespace tarvola {

// One deletion, kept so that it can be taken back: the category's record and
// the websites deleted, byte for byte as they were stored.
struct Deletion {
  enum class Kind {
    category,  // the category with all its websites
    website,   // one website of the category
  };
  Kind kind = Kind::category;
  std::int64_t time = 0;  // seconds since 1970
  std::string category;   // its CategoryRecord
  std::string sites;      // whole SiteRecords, in their order
  std::int64_t number = 0;  // what `restore` calls it by (deletion_numbers.h); 0 until it is kept
};

// The newest deletions kept; more would be kept by no one's accident. Each
// delete reads the file whole and writes it anew: at this size that costs no
// more than a delete with none kept costs again. The newest deletion is kept
// whatever its size.
inline constexpr std::size_t kMaxDeletionsKept = 1000;
inline constexpr std::size_t kMaxDeletedEntriesBytes = std::size_t{160} << 10;

// The file of deleted entries: a bookmark file that any browser imports, one
// folder a deletion, newest first, named as the category; the stored bytes
// ride along in attributes that browsers pass over. A deletion's number
// stands on its folder's line, between ADD_DATE and TARVOLA_DELETED, as
// TARVOLA_NUMBER="7"; a file written before numbers has none.
std::string deletedEntriesText(const std::vector<Deletion>& newestFirst);
// Nothing when the text is not such a file, whole: damaged, or another program's.
std::optional<std::vector<Deletion>> readDeletedEntries(std::string_view text);

// The deletions kept in the data folder, read under a change's lock, each with its number.
struct KeptDeletions {
  enum class State { none, kept, foreign, unreadable };
  State state = State::none;
  std::vector<Deletion> newestFirst;
};
KeptDeletions readKeptDeletions(const FolderChange& change);

// Stages the file of deleted entries with `deletion` added as the newest, numbered, the
// oldest dropped beyond the bounds, for the change to put in place with the
// deletion itself. A damaged or foreign file of that name is moved aside by
// the same change. False when it can't be done: then the deletion must not be.
bool keepDeletion(FolderChange& change, Deletion deletion);
// Stages the file as `newestFirst`, or its removal when that is empty.
bool stageKeptDeletions(FolderChange& change, const std::vector<Deletion>& newestFirst);

}  // namespace tarvola
