#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/artwork.h"
#include "ui/gui_test_support.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteRecord;
using test::writeBytes;

// What the window must show, made without the program's painting: the
// background picture, and white inside the two empty lists.
QImage expectedWindow(QSize size, const std::vector<QRect>& lists) {
  QImage expected = backgroundPicture().normal.toImage().convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(), size));
  QPainter painter(&expected);
  for (const QRect& list : lists) painter.fillRect(list.adjusted(2, 2, -2, -2), Qt::white);
  return expected;
}

// Pixels of `shown` outside the colour range of the pixels around the same
// place in `expected`: an edge scaled there and back blends with its
// neighbours, but nothing may move by more than a pixel. The lists' frames,
// drawn by the style, are left out.
int pixelsOffByMoreThanAnEdge(const QImage& shown, const QImage& expected, const std::vector<QRect>& lists) {
  constexpr int kTolerance = 24;
  int off = 0;
  for (int y = 1; y + 1 < expected.height(); ++y) {
    for (int x = 1; x + 1 < expected.width(); ++x) {
      const bool onAFrame = std::any_of(lists.begin(), lists.end(), [x, y](const QRect& list) {
        return list.adjusted(-1, -1, 1, 1).contains(x, y) && !list.adjusted(3, 3, -3, -3).contains(x, y);
      });
      for (int shift = 0; shift < 24 && !onAFrame; shift += 8) {  // blue, green, red
        int low = 255, high = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            low = std::min(low, int(expected.pixel(x + dx, y + dy) >> shift) & 0xff);
            high = std::max(high, int(expected.pixel(x + dx, y + dy) >> shift) & 0xff);
          }
        }
        const int value = int(shown.pixel(x, y) >> shift) & 0xff;
        if (value < low - kTolerance || value > high + kTolerance) {
          ++off;
          break;
        }
      }
    }
  }
  return off;
}

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

  // Logical sizes are equal at every scale: what is painted must be too. The
  // scale is named apart from Qt's variable, which Wine may not pass on.
  const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
  EXPECT_EQ(window.form().devicePixelRatioF(), qEnvironmentVariable("TARVOLA_EXPECTED_SCALE", scale).toDouble());
  const QImage shown = window.form().grab().toImage().convertToFormat(QImage::Format_RGB32).scaled(
      window.form().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const std::vector<QRect> lists{QRect(20, 40, 121, 199), QRect(150, 40, 221, 199)};
  EXPECT_LT(pixelsOffByMoreThanAnEdge(shown, expectedWindow(window.form().size(), lists), lists), 100);
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

// Another program deleted B: a click on the B the list still shows reads the
// categories again and shows no websites, rather than C's under B's name.
TEST_F(Form1Test, ACategoryListThatNoLongerMatchesTheFileIsReadAgainOnAClick) {
  withCategories();
  test::Window window(dir);
  window.click("List1", 0);
  writeBytes(dir / "wwww.dat", categoryFileOf({"A", "C"}));
  window.click("List1", 1);
  EXPECT_EQ(window.entries("List1"), (QStringList{"A", "C"}));
  EXPECT_EQ(window.selectedRow("List1"), -1);
  EXPECT_TRUE(window.entries("List2").isEmpty());
  window.click("List1", 1);
  EXPECT_EQ(window.form().windowTitle(), "C");
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
