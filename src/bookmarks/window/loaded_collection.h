#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bookmarks/find/website_index.h"
#include "bookmarks/whole_collection.h"
#include "store/deleted_entries.h"
#include "store/folder_watch.h"

namespace tarvola {

// The collection and the deletions kept, as the window shows them, read
// again whenever something in the folder changed: the window's own changes,
// the main window's, another copy's.
class LoadedCollection {
 public:
  explicit LoadedCollection(DataFolder& folder);

  // Reads the folder again if it changed since it was last read whole.
  // True when it was read; false when nothing changed, or another change
  // holds the folder now (then a later call reads it).
  bool readIfChanged();
  // After a change of the window's own: the next call reads whatever the watch says.
  void markChanged() { stale_ = true; }

  std::shared_ptr<const WebsiteIndex> index() const { return index_; }
  const std::vector<Deletion>& deletions() const { return deletions_; }
  // Why the collection could not be read, and which file; `done` when it was.
  WholeCollection::Status status() const { return status_; }
  const std::string& failedFile() const { return failedFile_; }

 private:
  DataFolder& folder_;
  std::unique_ptr<FolderWatch> watch_;
  bool stale_ = true;
  std::shared_ptr<const WebsiteIndex> index_;
  std::vector<Deletion> deletions_;
  WholeCollection::Status status_ = WholeCollection::Status::done;
  std::string failedFile_;
};

// How long the window waits for another program's change: a moment, then it tries again later.
inline constexpr std::chrono::milliseconds kWindowPatience{100};

}  // namespace tarvola
