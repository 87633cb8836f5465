#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

namespace tarvola::test {

using Names = std::vector<std::string>;

// The user selects a category: List2 shows its websites (-1 selects none).
void selectCategory(FakeHost& host, DataFolder& folder, int position);
// The user selects a website: its address becomes List2's tool tip (-1 selects none).
void selectWebsite(FakeHost& host, DataFolder& folder, int position);

// A window on the three categories A, B and C, none selected yet.
class WebsiteFixture : public ::testing::Test {
 protected:
  void SetUp() override;

  void selectCategory(int position) { test::selectCategory(host, folder, position); }
  void selectWebsite(int position) { test::selectWebsite(host, folder, position); }
  std::string siteFileBytes(int position) const;

  TempDir dir;
  FakeHost host;
  DataFolder folder{dir.path(), nativeFileSystem()};
};

// Runs a scenario once for every file-system step it takes, with that one
// step going wrong, and checks what is left on the disk after each run.
void atEveryStep(FaultyFileSystem::Fault fault, const std::function<void(FileSystem&)>& scenario,
                 const std::function<void()>& check);

}  // namespace tarvola::test
