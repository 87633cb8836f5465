#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bookmarks/import_plan.h"
#include "store/bookmark_file.h"
#include "store/data_folder.h"

namespace tarvola {

struct ImportOutcome {
  enum class Status {
    done,
    unreadable,     // not a bookmark file: nothing changed
    busy,           // another change held the folder all along: nothing changed
    pendingChange,  // an earlier change could not be finished: nothing changed
    readFailed,     // a data file can't be read or changed: nothing changed
    tooMany,        // a file would hold more records than a list shows: nothing changed
    writeFailed,    // a temporary file can't be written: nothing changed
    unfinished,     // stopped half-way: the intent record finishes it at the next start
  };
  Status status = Status::done;
  UnreadableFile unreadable{};
  std::string file;  // the data file that failed
  ImportPlan plan;
  std::size_t addedSites = 0;    // what the change added
  std::size_t alreadyThere = 0;  // left out: their category held them already
  // Site files that lay at the place of a new category without belonging to one: kept under a new name.
  std::vector<std::pair<std::string, std::string>> keptOrphans;
};

// How long the command waits for another change of the folder to end: the
// window holds it for a moment at a time, another import for a few seconds.
inline constexpr std::chrono::milliseconds kToolPatience{30000};

// Adds a bookmark file's folders and links to the collection in one atomic change.
ImportOutcome importBookmarks(DataFolder& folder, std::string_view bookmarkFile, const Progress& progress = {},
                              std::chrono::milliseconds patience = kToolPatience);

}  // namespace tarvola
