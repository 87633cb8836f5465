#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bookmarks/import_plan.h"
#include "store/data_folder.h"

namespace tarvola {

// What an action did, as the person reads it: in a console or in the window.
struct Reported {
  std::string text;
  bool failed = false;
};

// Imports a bookmark file named by the person; the folder's own file of
// deleted entries brings all of them back instead.
Reported importFile(DataFolder& folder, const std::string& file, const Progress& progress = {});
Reported exportFile(DataFolder& folder, const std::string& file);
Reported listDeletions(DataFolder& folder);
// The deletions of these numbers, or all of them.
Reported restoreDeletions(DataFolder& folder, const std::optional<std::vector<std::size_t>>& numbers);
Reported findInCollection(DataFolder& folder, const std::string& query);

// How many bookmarks make an import long enough to show its progress.
inline constexpr std::size_t kProgressFrom = 2000;

}  // namespace tarvola
