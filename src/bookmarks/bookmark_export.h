#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "store/bookmark_html.h"
#include "store/data_folder.h"

namespace tarvola {

// The collection as a bookmark file in UTF-8, as the browsers write one: a folder a category.
std::string bookmarkFileText(const std::vector<BookmarkFolder>& collection);

struct ExportOutcome {
  enum class Status { done, folderFile, busy, pendingChange, readFailed, writeFailed };
  Status status = Status::done;
  std::string file;  // the file that failed
  std::size_t categories = 0;
  std::size_t sites = 0;
};

// Writes the whole collection to target: complete or not at all. The
// collection is read under the folder's lock, so that it is read as one. A
// file of the folder's own is never written over.
ExportOutcome exportBookmarks(DataFolder& folder, const std::filesystem::path& target,
                              std::chrono::milliseconds patience = kToolPatience);

}  // namespace tarvola
