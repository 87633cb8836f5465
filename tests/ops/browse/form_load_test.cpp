#include <gtest/gtest.h>

#include <filesystem>

#include "ops/browse/form_load.h"
#include "ops/categories/data_dir_view.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::writeBytes;

class FormLoadTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::FakeHost host;
  DataFolder folder{dir.path(), nativeFileSystem()};
};

TEST_F(FormLoadTest, FirstStartCreatesAnEmptyCategoryFileAndShowsNothing) {
  Form_Load(host, folder);
  EXPECT_TRUE(std::filesystem::exists(dir / "wwww.dat"));
  EXPECT_EQ(std::filesystem::file_size(dir / "wwww.dat"), 0u);
  EXPECT_TRUE(host.items(ListBox::List1).empty());
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
}

TEST_F(FormLoadTest, ShowsTheCategoriesInFileOrderAndTouchesNoSiteFile) {
  writeBytes(dir / "wwww.dat", categoryFileOf({"A", "  B", "\xD0\xC2\xCE\xC5"}));
  Form_Load(host, folder);
  EXPECT_EQ(host.items(ListBox::List1), (std::vector<std::string>{"A", "  B", "新闻"}));
  EXPECT_EQ(host.selectedIndex(ListBox::List1), -1);
  EXPECT_EQ(test::filesIn(dir.path()).size(), 1u);
}

TEST_F(FormLoadTest, ShowsANameOfTwentyChineseCharactersWhole) {
  std::string name;
  for (int i = 0; i < 20; ++i) name += "\xCD\xF8";  // 网
  writeBytes(dir / "wwww.dat", name);
  Form_Load(host, folder);
  std::string expected;
  for (int i = 0; i < 20; ++i) expected += "网";
  EXPECT_EQ(host.items(ListBox::List1), std::vector<std::string>{expected});
}

TEST_F(FormLoadTest, IgnoresTheTrailingPartOfADamagedCategoryFile) {
  writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B"}) + std::string(20, 'C'));
  Form_Load(host, folder);
  EXPECT_EQ(host.items(ListBox::List1), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(std::filesystem::file_size(dir / "wwww.dat"), 100u);
}

TEST_F(FormLoadTest, StartsWithAnEmptyListWhenTheCategoryFileIsADirectory) {
  std::filesystem::create_directory(dir / "wwww.dat");
  Form_Load(host, folder);
  EXPECT_TRUE(host.items(ListBox::List1).empty());
}

}  // namespace
}  // namespace tarvola
