#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteRecord;
using test::writeBytes;

class Form1Test : public ::testing::Test {
 protected:
  void withCategories() {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B", "C"}));
    writeBytes(dir / "1.dat", siteRecord("b1", "http://b1.cn") + siteRecord("b2", "www.b2.cn") + std::string(100, 'x'));
  }

  test::TempDir dir;
};

TEST_F(Form1Test, FirstStartShowsTwoEmptyListsAndCreatesTheCategoryFile) {
  test::Window window(dir);
  EXPECT_EQ(window.form().windowTitle(), "Tarvola");
  EXPECT_TRUE(window.entries("List1").isEmpty());
  EXPECT_TRUE(window.entries("List2").isEmpty());
  EXPECT_EQ(std::filesystem::file_size(dir / "wwww.dat"), 0u);
}

TEST_F(Form1Test, LayoutMatchesThePictureAtAnyScale) {
  test::Window window(dir);
  EXPECT_EQ(window.form().size(), QSize(389, 255));
  EXPECT_EQ(window.form().minimumSize(), window.form().maximumSize());
  EXPECT_EQ(window.list("List1")->geometry(), QRect(20, 40, 121, 199));
  EXPECT_EQ(window.list("List2")->geometry(), QRect(150, 40, 221, 199));
  EXPECT_EQ(window.list("List1")->accessibleName(), "网站类别");
  EXPECT_EQ(window.list("List2")->accessibleName(), "精品网站");
}

TEST_F(Form1Test, StartsWithTheCategoriesUnselectedAndTheFocusInTheCategoryList) {
  withCategories();
  test::Window window(dir);
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "B", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
  EXPECT_EQ(QApplication::focusWidget(), window.list("List1"));
  EXPECT_FALSE(std::filesystem::exists(dir / "0.dat"));
  // The first arrow key selects the first entry, not the second.
  QTest::keyClick(window.list("List1"), Qt::Key_Down);
  EXPECT_EQ(window.selectedRow("List1"), 0);
  EXPECT_EQ(window.form().windowTitle(), "A");
}

TEST_F(Form1Test, SelectingACategoryShowsItsWebsitesNameAndToolTip) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 1);
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2"}));
  EXPECT_EQ(window.selectedRow("List2"), -1);
  EXPECT_EQ(window.form().windowTitle(), "B");
  EXPECT_EQ(window.list("List1")->toolTip(), "B");
  window.click("List1", 0);
  EXPECT_TRUE(window.entries("List2").isEmpty());
  EXPECT_TRUE(std::filesystem::exists(dir / "0.dat"));
}

TEST_F(Form1Test, ArrowKeysRunTheSelectionHandlersOfBothLists) {
  withCategories();
  test::Window window(dir);
  QListView* categories = window.list("List1");
  QTest::keyClick(categories, Qt::Key_Down);
  QTest::keyClick(categories, Qt::Key_Down);
  EXPECT_EQ(window.form().windowTitle(), "B");
  EXPECT_EQ(window.entries("List2"), (QStringList{"b1", "b2"}));
  QListView* websites = window.list("List2");
  websites->setFocus();
  QTest::keyClick(websites, Qt::Key_Down);
  EXPECT_EQ(window.form().windowTitle(), "http://b1.cn");
  QTest::keyClick(websites, Qt::Key_Down);
  EXPECT_EQ(window.form().windowTitle(), "www.b2.cn");
  EXPECT_EQ(websites->toolTip(), "www.b2.cn");
}

TEST_F(Form1Test, DoubleClickOpensTheAddressWithoutTheFill) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 1);
  window.doubleClick("List2", 1);
  EXPECT_EQ(window.opened(), std::vector<std::string>{"www.b2.cn"});
  EXPECT_EQ(window.form().windowTitle(), "www.b2.cn");
}

TEST_F(Form1Test, RightClickOpensTheCategoryMenuWithoutMovingTheSelection) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 0);
  EXPECT_EQ(window.menuOpenedBy([&] { window.rightClick("List1", 2); }), "pop1");
  EXPECT_EQ(window.selectedRow("List1"), 0);
  EXPECT_EQ(window.form().windowTitle(), "A");
}

TEST_F(Form1Test, TheCategoryMenuOpensOnAnEmptyList) {
  test::Window window(dir);
  EXPECT_EQ(window.menuOpenedBy([&] { window.rightClick("List1", -1); }), "pop1");
}

TEST_F(Form1Test, TheWebsiteMenuOpensOnlyWhileAWebsiteIsSelected) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 1);
  EXPECT_EQ(window.menuOpenedBy([&] { window.rightClick("List2", 0); }), "");
  window.click("List2", 0);
  EXPECT_EQ(window.menuOpenedBy([&] { window.rightClick("List2", 1); }), "pop2");
  EXPECT_EQ(window.selectedRow("List2"), 0);
}

TEST_F(Form1Test, OtherButtonsAndTheKeyboardOpenNoMenu) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 0);
  for (const char* name : {"List1", "List2"}) {
    QListView* box = window.list(name);
    const QPoint at = window.centreOf(name, 0);
    EXPECT_EQ(window.menuOpenedBy([&] { QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, at); }), "") << name;
    EXPECT_EQ(window.menuOpenedBy([&] { QTest::keyClick(box, Qt::Key_Menu); }), "") << name;
    EXPECT_EQ(window.menuOpenedBy([&] { QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier); }), "") << name;
  }
}

TEST_F(Form1Test, MenusHoldTheirItemsInOrder) {
  test::Window window(dir);
  auto captions = [&](const char* menu) {
    QStringList texts;
    for (QAction* action : window.form().findChild<QMenu*>(menu)->actions()) {
      texts.append(action->objectName() + "=" + action->text());
    }
    return texts;
  };
  EXPECT_EQ(captions("pop1"), (QStringList{"wzlb=添加网站类别", "xgwzlb=修改网站类别", "scwzlb=删除网站类别",
                                           "tjwz=添加网站", "shuo=使用说明"}));
  EXPECT_EQ(captions("pop2"), (QStringList{"scwz=删除网站", "xgwz=修改网站"}));
}

TEST_F(Form1Test, NoSequenceOfClicksTouchesAFileNamedFromNoSelection) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 1);
  window.click("List2", 0);
  window.deselect("List1", 1);
  ASSERT_EQ(window.selectedRow("List1"), -1);
  window.click("List2", 1);
  window.doubleClick("List2", 1);
  EXPECT_TRUE(window.opened().empty());
  EXPECT_EQ(window.form().windowTitle(), "http://b1.cn");
  EXPECT_FALSE(std::filesystem::exists(dir / "-1.dat"));
}

TEST_F(Form1Test, ACaptionKeepsWhatLooksLikeQtsModifiedMark) {
  writeBytes(dir / "wwww.dat", categoryFileOf({"[*]Stars"}));
  test::Window window(dir);
  window.click("List1", 0);
  ASSERT_TRUE(window.form().windowHandle());
  EXPECT_EQ(window.form().windowHandle()->title(), "[*]Stars");
}

}  // namespace
}  // namespace tarvola

namespace tarvola {
namespace {

TEST(ChineseLocale, QtsOwnTextsReadInChineseWhateverTheSystemLanguage) {
  EXPECT_EQ(QLocale().name(), "zh_CN");
  const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
  EXPECT_NE(undo, "&Undo");
  EXPECT_TRUE(undo.startsWith(QStringLiteral("撤"))) << undo.toStdString();
}

}  // namespace
}  // namespace tarvola
