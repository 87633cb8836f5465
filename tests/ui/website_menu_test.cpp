#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <QListView>
#include <QTest>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

using test::answerDialogs;
using test::categoryFileOf;
using test::readBytes;
using test::siteRecord;
using test::writeBytes;

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");
constexpr std::nullopt_t kProposed = std::nullopt;

// Three categories; the second, B, holds three websites.
class WebsiteMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B", "C"}));
    writeBytes(dir / "1.dat", three);
  }
  std::string siteFile(const char* name) const { return readBytes(dir / name); }

  const std::string b1 = siteRecord("b1", "http://b1.cn");
  const std::string b2 = siteRecord("b2", "www.b2.cn");
  const std::string b3 = siteRecord("b3", "http://b3.cn");
  const std::string three = b1 + b2 + b3;
  test::TempDir dir;
};

TEST_F(WebsiteMenuTest, AddingAWebsiteAsksForNameAndAddressAndAppendsIt) {
  test::Window window(dir);
  window.click("List1", 1);
  QStringList nameBox;
  QStringList urlBox;
  answerDialogs({{QStringLiteral("新浪"), kOk, &nameBox}, {QStringLiteral("http://sina.cn"), kOk, &urlBox}});
  window.choose("List1", 1, "tjwz");
  EXPECT_EQ(nameBox, (QStringList{"输入", "请输入网站名称", ""}));
  EXPECT_EQ(urlBox, (QStringList{"输入", "请输入新浪的网址", "http://"}));
  EXPECT_EQ(siteFile("1.dat"), three + siteRecord("\xD0\xC2\xC0\xCB", "http://sina.cn"));
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2", "b3", "新浪"}));
  EXPECT_EQ(window.selectedRow("List2"), -1);
  EXPECT_EQ(window.selectedRow("List1"), 1);
  EXPECT_EQ(window.form().windowTitle(), "B");
}

TEST_F(WebsiteMenuTest, AddingToACategoryWithoutSiteFileKeepsTheProposedAddress) {
  test::Window window(dir);
  window.click("List1", 2);
  std::filesystem::remove(dir / "2.dat");
  answerDialogs({{QStringLiteral("x"), kOk}, {kProposed, kOk}});
  window.choose("List1", 2, "tjwz");
  EXPECT_EQ(siteFile("2.dat"), siteRecord("x", "http://"));
  EXPECT_EQ(window.entries("List2"), QStringList{"x"});
}

TEST_F(WebsiteMenuTest, CancellingTheAddressChangesNothing) {
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 2);
  answerDialogs({{QStringLiteral("x"), kOk}, {kProposed, kCancel}});
  window.choose("List1", 1, "tjwz");
  EXPECT_EQ(siteFile("1.dat"), three);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2", "b3"}));
  EXPECT_EQ(window.selectedRow("List2"), 2);
}

TEST_F(WebsiteMenuTest, ModifyingProposesTheCurrentNameAndTheAddressShown) {
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 1);
  QStringList nameBox;
  QStringList urlBox;
  answerDialogs({{QStringLiteral("新b2"), kOk, &nameBox}, {kProposed, kOk, &urlBox}});
  window.choose("List2", 1, "xgwz");
  EXPECT_EQ(nameBox, (QStringList{"输入", "请输入新的网站名称", "b2"}));
  EXPECT_EQ(urlBox, (QStringList{"输入", "请输入新b2的网址", "www.b2.cn"}));
  EXPECT_EQ(siteFile("1.dat"), b1 + siteRecord("\xD0\xC2" "b2", "www.b2.cn") + b3);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "新b2", "b3"}));
  EXPECT_EQ(window.selectedRow("List2"), -1);
  EXPECT_EQ(window.selectedRow("List1"), 1);
  EXPECT_EQ(window.form().windowTitle(), "www.b2.cn");
}

TEST_F(WebsiteMenuTest, DeletingAsksFirstAndRemovesOnlyTheSelectedWebsite) {
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 0);
  QStringList question;
  answerDialogs({{kProposed, kCancel, &question}});
  // The menu acts on the selected website, not on the one under the pointer.
  window.choose("List2", 2, "scwz");
  EXPECT_EQ(question, (QStringList{"提示", "您是否真的删除所选网站？", ""}));
  EXPECT_EQ(siteFile("1.dat"), three);
  EXPECT_EQ(window.selectedRow("List2"), 0);
  answerDialogs({{kProposed, kOk}});
  window.choose("List2", 2, "scwz");
  EXPECT_EQ(siteFile("1.dat"), b2 + b3);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b2", "b3"}));
  EXPECT_EQ(window.selectedRow("List2"), -1);
  EXPECT_EQ(window.selectedRow("List1"), 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

TEST_F(WebsiteMenuTest, WithoutACategorySelectedNoWebsiteItemDoesAnything) {
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 0);
  window.deselect("List1", 1);
  ASSERT_EQ(window.selectedRow("List1"), -1);
  window.choose("List2", 0, "xgwz");
  window.choose("List2", 0, "scwz");
  window.choose("List1", -1, "tjwz");
  EXPECT_EQ(siteFile("1.dat"), three);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2", "b3"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
}

}  // namespace
}  // namespace tarvola
