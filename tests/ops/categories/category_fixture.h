#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/categories/data_dir_view.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tarvola::test {

using Names = std::vector<std::string>;

// A window started on a data directory, and the category menu's three items.
class CategoryFixture : public ::testing::Test {
 protected:
  // Lays out the files and starts the program on them.
  void start(const Files& files);
  void add(const std::string& answer);
  void rename(int position, const std::string& answer);
  void deleteAt(int position, bool ok = true);
  Files files() const { return dataFilesIn(dir.path()); }

  // The one dialog shown asked for a category name, proposing defaultText.
  void expectNamePrompt(const std::string& defaultText) const;
  // The one dialog shown asked to confirm the deletion of a category.
  void expectDeleteConfirmation() const;

  TempDir dir;
  FakeHost host;
  DataFolder folder{dir.path(), nativeFileSystem()};
};

}  // namespace tarvola::test
