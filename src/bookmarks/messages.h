#pragma once

#include <string>

#include "bookmarks/bookmark_export.h"
#include "bookmarks/bookmark_import.h"
#include "bookmarks/find_websites.h"
#include "bookmarks/restore_deleted.h"

namespace tarvola {

std::string helpText();

// A deletion as a listing shows it: when, what, and how many websites.
struct DeletionColumns {
  std::string time;
  std::string name;
  std::string size;
};
DeletionColumns deletionColumns(const Deletion& deletion);
std::string importReport(const ImportOutcome& outcome, const std::string& file);
std::string exportReport(const ExportOutcome& outcome, const std::string& file);
std::string deletedListing(const DeletedOutcome& outcome);
std::string restoreReport(const DeletedOutcome& outcome);
// The websites found, one a line: category, name and address, separated by tabs.
std::string findReport(const FindOutcome& outcome, const std::string& query);
std::string progressLine(std::size_t done, std::size_t all);
std::string unreadableFileReport(const std::string& file, bool tooLarge);
// `unfinished`: the change was recorded and stopped half-way.
std::string outOfMemoryReport(bool unfinished);

}  // namespace tarvola
