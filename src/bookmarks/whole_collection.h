#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "bookmarks/bookmark_import.h"
#include "store/bookmark_html.h"
#include "store/data_folder.h"

namespace tarvola {

struct WholeCollection {
  enum class Status { done, busy, pendingChange, readFailed };
  Status status = Status::done;
  std::string file;  // the file that could not be read
  // What the window shows: every category's whole records, missing files as empty ones.
  std::vector<BookmarkFolder> categories;
};

// Every category with its websites, read under the folder's lock so that it
// is read as one, not half before and half after another program's change.
WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience = kToolPatience);

// The same, each category handed to `take` as it is read instead of kept: for
// a reader that needs only part of it. A category that was handed on before a
// later file failed is not taken back (the status says so).
using CategoryTaker = std::function<void(BookmarkFolder&&)>;
WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience, const CategoryTaker& take);

// The same with `take` called on a second thread, in the collection's order,
// while the files are read: reading, decoding and taking overlap. Returns once
// every category was taken. `take` runs alone of the program's decoding.
WholeCollection readWholeCollectionAlongside(DataFolder& folder, std::chrono::milliseconds patience,
                                             const CategoryTaker& take);

}  // namespace tarvola
