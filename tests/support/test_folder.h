#pragma once

#include <filesystem>

#include "store/data_folder.h"
#include "store/file_system.h"

namespace tarvola::test {

// A data folder for the length of one call: `importBookmarks(test::Folder(dir), …)`.
class Folder {
 public:
  explicit Folder(const std::filesystem::path& dir, FileSystem& fs = nativeFileSystem()) : folder_(dir, fs) {}
  operator DataFolder&() { return folder_; }  // NOLINT(google-explicit-constructor): it stands for the folder

 private:
  DataFolder folder_;
};

}  // namespace tarvola::test
