#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include <QApplication>
#include <QListView>
#include <QTest>
#include <QTimer>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

using test::answerDialogs;
using test::categoryFileOf;
using test::categoryRecord;
using test::readBytes;
using test::siteFileOf;
using test::writeBytes;

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");
constexpr std::nullopt_t kProposed = std::nullopt;

// Presses Enter in the next modal dialog, polling for up to two seconds.
void pressEnterInNextDialog(int triesLeft = 200) {
  QTimer::singleShot(10, [triesLeft] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      QTest::keyClick(dialog, Qt::Key_Return);
    } else if (triesLeft > 0) {
      pressEnterInNextDialog(triesLeft - 1);
    }
  });
}

// Three categories A, B, C, each with a site file of its own.
class CategoryMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B", "C"}));
    writeBytes(dir / "0.dat", sitesOfA);
    writeBytes(dir / "1.dat", sitesOfB);
    writeBytes(dir / "2.dat", sitesOfC);
  }
  std::string file(const char* name) const { return readBytes(dir / name); }

  const std::string sitesOfA = siteFileOf({"a1"});
  const std::string sitesOfB = siteFileOf({"b1", "b2"});
  const std::string sitesOfC = siteFileOf({"c1"});
  test::TempDir dir;
};

TEST_F(CategoryMenuTest, AddingACategoryAsksForItsNameAndAppendsIt) {
  test::Window window(dir);
  window.click("List1", 1);
  QStringList seen;
  answerDialogs({{QStringLiteral("新闻"), kOk, &seen}});
  window.choose("List1", 1, "wzlb");
  EXPECT_EQ(seen, (QStringList{"输入", "请输入网站类别名称", ""}));
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "B", "C"}) + categoryRecord("\xD0\xC2\xCE\xC5"));
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "B", "C", "新闻"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2"}));
  EXPECT_EQ(window.form().windowTitle(), "B");
}

TEST_F(CategoryMenuTest, CancellingTheAddKeepsTheListAndItsSelection) {
  test::Window window(dir);
  window.click("List1", 2);
  answerDialogs({{QStringLiteral("X"), kCancel}});
  window.choose("List1", 2, "wzlb");
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "B", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), 2);
}

TEST_F(CategoryMenuTest, AddingToAnEmptyListWorksWithoutASelection) {
  std::filesystem::remove(dir / "wwww.dat");
  test::Window window(dir);
  answerDialogs({{QStringLiteral("   "), kOk}});
  window.choose("List1", -1, "wzlb");
  EXPECT_EQ(file("wwww.dat"), categoryRecord(""));
  EXPECT_EQ(window.entries("List1"), QStringList{""});
}

TEST_F(CategoryMenuTest, RenamingProposesTheCurrentNameAndLosesTheSelection) {
  test::Window window(dir);
  window.click("List1", 1);
  QStringList seen;
  answerDialogs({{QStringLiteral("  体育"), kOk, &seen}});
  window.choose("List1", 0, "xgwzlb");
  EXPECT_EQ(seen, (QStringList{"输入", "请输入网站类别名称", "B"}));
  EXPECT_EQ(file("wwww.dat"), categoryRecord("A") + categoryRecord("  \xCC\xE5\xD3\xFD") + categoryRecord("C"));
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "  体育", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2"}));
  EXPECT_EQ(window.form().windowTitle(), "B");
  EXPECT_EQ(window.list("List1")->toolTip(), "B");
}

TEST_F(CategoryMenuTest, CancellingTheRenameStillRebuildsTheListWithoutSelection) {
  test::Window window(dir);
  window.click("List1", 1);
  answerDialogs({{kProposed, kCancel}});
  window.choose("List1", 1, "xgwzlb");
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "B", "C"}));
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "B", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
}

TEST_F(CategoryMenuTest, DeletingAsksFirstThenMovesTheLaterSiteFilesDown) {
  test::Window window(dir);
  window.click("List1", 0);
  window.click("List1", 1);
  QStringList seen;
  answerDialogs({{kProposed, kOk, &seen}});
  window.choose("List1", 1, "scwzlb");
  EXPECT_EQ(seen, (QStringList{"提示", "您是否真的删除所选网站类别及其所属网站？", ""}));
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "C"}));
  EXPECT_EQ(file("0.dat"), sitesOfA);
  EXPECT_EQ(file("1.dat"), sitesOfC);
  EXPECT_FALSE(std::filesystem::exists(dir / "2.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "kl.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ls.dat"));
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
  // The deleted category's websites stay on show until another category is selected.
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2"}));
  EXPECT_EQ(window.form().windowTitle(), "B");
  window.click("List1", 1);
  EXPECT_EQ(window.entries("List2"), QStringList{"c1"});
}

TEST_F(CategoryMenuTest, EnterInTheConfirmationDeletesAndCancelKeepsEverything) {
  test::Window window(dir);
  window.click("List1", 0);
  answerDialogs({{kProposed, kCancel}});
  window.choose("List1", 0, "scwzlb");
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "B", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), 0);
  pressEnterInNextDialog();
  window.choose("List1", 0, "scwzlb");
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"B", "C"}));
  EXPECT_EQ(file("0.dat"), sitesOfB);
  EXPECT_EQ(file("1.dat"), sitesOfC);
}

TEST_F(CategoryMenuTest, RenameAndDeleteDoNothingWithoutASelection) {
  test::Window window(dir);
  // Any dialog that did come up is cancelled and counted, so the test can't hang on it.
  int dialogs = 0;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&dialogs] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      ++dialogs;
      dialog->close();
    }
  });
  watcher.start(10);
  window.choose("List1", -1, "xgwzlb");
  window.choose("List1", -1, "scwzlb");
  QTest::qWait(100);
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(file("wwww.dat"), categoryFileOf({"A", "B", "C"}));
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "B", "C"}));
}

}  // namespace
}  // namespace tarvola
