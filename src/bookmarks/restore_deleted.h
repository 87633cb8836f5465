#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "store/deleted_entries.h"
#include "store/data_folder.h"

namespace tarvola {

struct DeletedOutcome {
  enum class Status {
    done,
    nothingKept,    // no file of deleted entries
    noSuchNumber,   // restore: no deletion kept of that number
    damaged,        // the file is not one this program wrote: nothing changed
    busy,           // another change held the folder all along: nothing changed
    pendingChange,  // an earlier change could not be finished: nothing changed
    readFailed,     // a data file can't be read or changed: nothing changed
    tooMany,        // a file would hold more records than a list shows: nothing changed
    writeFailed,    // a file can't be written: nothing changed
    unfinished,     // stopped half-way: the next start finishes it
  };
  Status status = Status::done;
  std::string file;                // the data file that failed
  std::vector<Deletion> deletions;  // the deletions kept (listing), or those brought back (restore), newest first
  std::size_t createdCategories = 0;  // restore: the categories it made, a website's own among them
  std::size_t restoredSites = 0;
  std::vector<std::pair<std::string, std::string>> keptOrphans;
};

// The deletions kept in the data folder, newest first, with their numbers.
DeletedOutcome listDeleted(DataFolder& folder, std::chrono::milliseconds patience = kToolPatience);

// Brings back the deletions of `numbers` (deletion_numbers.h), or all of them,
// and takes them out of the file, in one recorded change: none when one of the
// numbers isn't kept. A category comes back at the end of the list with its
// websites as they were stored; then websites deleted alone go back to the end
// of the category of their category's name, or into a new one of that name.
DeletedOutcome restoreDeleted(DataFolder& folder, const std::optional<std::vector<std::size_t>>& numbers,
                              std::chrono::milliseconds patience = kToolPatience);

}  // namespace tarvola
