#pragma once

#include <filesystem>
#include <memory>

namespace tarvola {

// Tells whether a file of the data folder may have changed since the last ask.
class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
  // True once after any file of the folder was written, created, renamed or
  // removed since the previous call; always true when the folder can't be
  // watched (then callers compare what they read). Never blocks.
  virtual bool changed() = 0;
};

// A watch of the files directly in `folder`, through the system's own notices.
std::unique_ptr<FolderWatch> watchFolder(const std::filesystem::path& folder);

}  // namespace tarvola
