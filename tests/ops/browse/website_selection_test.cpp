#include <gtest/gtest.h>

#include <filesystem>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/browse/website_selection.h"
#include "store/data_folder.h"
#include "store/file_system.h"
#include "support/fake_host.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteRecord;
using test::writeBytes;

class WebsiteSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B"}));
    writeBytes(dir / "1.dat", siteRecord("short", "http://short.cn") + siteRecord("blank", "") +
                                  siteRecord("spaced", "  www.example.com  "));
    Form_Load(host, folder);
    host.select(ListBox::List1, 1);
    List1_Click(host, folder);
  }
  void click(int position) {
    host.select(ListBox::List2, position);
    List2_Click(host, folder);
  }

  test::TempDir dir;
  test::FakeHost host;
  DataFolder folder{dir.path(), nativeFileSystem()};
};

TEST_F(WebsiteSelectionTest, ShowsTheAddressWithoutTheFillInCaptionAndToolTip) {
  click(0);
  EXPECT_EQ(host.caption(), "http://short.cn");
  EXPECT_EQ(host.toolTip(ListBox::List2), "http://short.cn");
  click(2);
  EXPECT_EQ(host.caption(), "  www.example.com");
}

TEST_F(WebsiteSelectionTest, AnAddressOfBlanksEmptiesCaptionAndToolTipAndOpensNothing) {
  click(1);
  EXPECT_EQ(host.caption(), "");
  EXPECT_EQ(host.toolTip(ListBox::List2), "");
  List2_DblClick(host, folder);
  EXPECT_TRUE(host.opened().empty());
}

TEST_F(WebsiteSelectionTest, OpensTheAddressWithoutTheBlanksOfTheFill) {
  click(0);
  List2_DblClick(host, folder);
  EXPECT_EQ(host.opened(), std::vector<std::string>{"http://short.cn"});
}

TEST_F(WebsiteSelectionTest, ReadsTheFileAgainAtEverySelectionAndDoubleClick) {
  click(0);
  writeBytes(dir / "1.dat", siteRecord("short", "http://changed.cn"));
  List2_DblClick(host, folder);
  EXPECT_EQ(host.opened(), std::vector<std::string>{"http://changed.cn"});
}

TEST_F(WebsiteSelectionTest, DoesNothingWithoutASelectedCategory) {
  click(0);
  host.select(ListBox::List1, -1);
  click(2);
  List2_DblClick(host, folder);
  EXPECT_EQ(host.caption(), "http://short.cn");
  EXPECT_TRUE(host.opened().empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
}

TEST_F(WebsiteSelectionTest, DoesNothingWhenTheRecordIsGone) {
  click(0);
  writeBytes(dir / "1.dat", "");
  click(2);
  host.select(ListBox::List2, -1);
  List2_DblClick(host, folder);
  EXPECT_EQ(host.caption(), "http://short.cn");
  EXPECT_TRUE(host.opened().empty());
}

}  // namespace
}  // namespace tarvola
