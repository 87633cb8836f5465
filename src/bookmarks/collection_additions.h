#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bookmarks/sites_already_there.h"
#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/records.h"

namespace tarvola {

// What an import or a restore adds at the end of a collection: categories
// appended to wwww.dat, and site records appended to the site file of each
// list position.
struct Additions {
  std::vector<CategoryRecord> newCategories;
  std::map<int, std::string> appendedSites;  // list position -> whole SiteRecords
};

// The categories as they are, read again under a change's lock: their whole
// records (a partial last one left out, or new ones would not line up) and
// their shown names. Nothing when wwww.dat can't be rewritten.
struct Categories {
  std::string records;
  std::vector<std::string> shown;
};
std::optional<Categories> readCategories(FolderChange& change);

struct StagedAdditions {
  enum class Status { staged, readFailed, tooMany, writeFailed };
  Status status = Status::staged;
  std::string file;  // the data file that stopped it
  // Site files that lay at the place of a new category without belonging to one: kept under a new name.
  std::vector<std::pair<std::string, std::string>> keptOrphans;
  std::size_t addedSites = 0;    // the websites the change adds
  std::size_t alreadyThere = 0;  // left out: their category holds them already
};

// Every file the additions change, written whole as staged files of the
// change before any is put in place; a bound that would be passed stops it
// while nothing has changed. A site file that gets nothing new is left as it is.
StagedAdditions stageAdditions(FolderChange& change, const Categories& categories, const Additions& additions,
                               SitesAlreadyThere sitesAlreadyThere);

// Puts staged additions in place; the outcome in the terms of the command (an
// import, a restore), including why staging stopped it; `staged.file` names
// the file that stopped it.
template <typename Status>
Status commitAdditions(StagedAdditions& staged, FolderChange& change) {
  switch (staged.status) {
    case StagedAdditions::Status::staged: break;
    case StagedAdditions::Status::readFailed: return Status::readFailed;
    case StagedAdditions::Status::tooMany: return Status::tooMany;
    case StagedAdditions::Status::writeFailed: return Status::writeFailed;
  }
  switch (change.commit()) {
    case ChangeOutcome::done: return Status::done;
    case ChangeOutcome::notBegun:
      // The record of the change could not be written.
      staged.file = kChangeRecordName;
      return Status::writeFailed;
    case ChangeOutcome::unfinished: return Status::unfinished;
  }
  return Status::unfinished;
}

}  // namespace tarvola
