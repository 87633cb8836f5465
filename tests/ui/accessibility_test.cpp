#include <gtest/gtest.h>

#include <cmath>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "support/file_bytes.h"
#include "ui/gui_test_support.h"
#include "ui/instructions/form2.h"

namespace tarvola {
namespace {

// WCAG's contrast ratio of two colours.
double contrast(QColor a, QColor b) {
  auto luminance = [](QColor c) {
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
QString nameOf(QAccessibleInterface* item) { return item ? item->text(QAccessible::Name) : QStringLiteral("(none)"); }
QString descriptionOf(QAccessibleInterface* item) { return item->text(QAccessible::Description); }

class AccessibilityTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::Window window{(test::writeBytes(dir / "wwww.dat", test::categoryFileOf({"A", "B"})),
                       test::writeBytes(dir / "1.dat", test::siteRecord("b1", "http://b1.cn") +
                                                           test::siteRecord("b2", "www.b2.cn")),
                       dir)};
};

TEST_F(AccessibilityTest, TheTreeNamesAndDescribesWhatThePicturesShow) {
  window.click("List1", 1);
  QAccessibleInterface* websites = accessible(window.list("List2"));
  Form2 instructions;
  const QStringList shown{nameOf(websites), nameOf(websites->child(1)), descriptionOf(websites->child(1)),
                          descriptionOf(websites->child(0)), descriptionOf(accessible(window.list("List1"))->child(1)),
                          nameOf(accessible(&window.form())),
                          nameOf(accessible(window.form().findChild<QWidget*>("pop1"))),
                          nameOf(accessible(window.form().findChild<QWidget*>("pop2"))), nameOf(accessible(&instructions)),
                          descriptionOf(accessible(&instructions))};
  const QString instructionsText =
      "使用说明\n1. 添加网站类别。在网站类别列表框中点击鼠标右键，\n选择添加网站类别项即可。\n"
      "2. 添加网站。选中网站类别，点击鼠标右键，\n选择添加网站即可。\n"
      "3. 登入网站。双击精品网站列表框中的网站名称，\n系统将启动默认的浏览器登入该网站。\n"
      "程序：Tarvola\n版本：V2.0\n2004.4.6";
  EXPECT_EQ(shown, (QStringList{"精品网站", "b2", "www.b2.cn", "http://b1.cn", "", "B", "网站类别菜单", "网站菜单", "使用说明",
                                instructionsText}));
  instructions.show();
  QTest::keyClick(&instructions, Qt::Key_Escape);
  EXPECT_FALSE(instructions.isVisible());
}

TEST_F(AccessibilityTest, EnterAndTheDefaultActionOpenAWebsiteAsADoubleClickDoes) {
  window.click("List1", 1);
  QListView* websites = window.list("List2");
  websites->setFocus();
  QTest::keyClick(websites, Qt::Key_Return);  // nothing selected
  window.click("List2", 0);
  QTest::keyClick(websites, Qt::Key_Return);
  QTest::keyClick(websites, Qt::Key_Enter, Qt::KeypadModifier);
  accessible(websites)->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(window.opened(), (std::vector<std::string>{"http://b1.cn", "http://b1.cn", "www.b2.cn"}));
}

// Offscreen Qt passes no events on, so what a screen reader's bridge reads is
// checked: QListView announces an entry when it becomes current.
TEST_F(AccessibilityTest, FocusEnteringAListNamesOnlyTheSelectedEntry) {
  QListView* websites = window.list("List2");
  window.click("List1", 1);
  QSignalSpy madeCurrent(websites->selectionModel(), &QItemSelectionModel::currentChanged);
  QTest::keyClick(window.list("List1"), Qt::Key_Tab);
  EXPECT_EQ(madeCurrent.count(), 0);
  EXPECT_EQ(accessible(websites)->focusChild(), nullptr);
  window.click("List2", 1);
  window.deselect("List2", 1);
  EXPECT_EQ(accessible(websites)->focusChild(), nullptr);
  window.click("List2", 0);
  QTest::keyClick(websites, Qt::Key_Tab);
  QTest::keyClick(window.list("List1"), Qt::Key_Tab);
  EXPECT_EQ(nameOf(accessible(websites)->focusChild()), "b1");
}

TEST_F(AccessibilityTest, RowsKeepOneHeightTheInputBoxItsWidthAndTheFocusFrameShows) {
  QListView* categories = window.list("List1");
  auto rowHeight = [categories] { return categories->visualRect(categories->model()->index(0, 0)).height(); };
  const int atStart = rowHeight();
  QLineEdit* field = nullptr;
  QTimer::singleShot(0, [&field] {
    field = QApplication::activeModalWidget()->findChild<QLineEdit*>();
    EXPECT_GE(field->width(), 300);
    EXPECT_EQ(nameOf(accessible(field)), "网站类别：");
    field->window()->close();
  });
  window.form().host().inputBox("网站类别：", "添加网站类别", "");
  EXPECT_TRUE(field);
  test::answerDialogs({{QStringLiteral("新类别"), QStringLiteral("确定")}});
  window.choose("List1", -1, "wzlb");
  ASSERT_EQ(window.entries("List1").size(), 3);
  EXPECT_EQ(rowHeight(), atStart);
  EXPECT_GE(atStart, categories->fontMetrics().boundingRect(QStringLiteral("网站")).height());
  QApplication::setActiveWindow(&window.form());
  categories->setFocus();
  window.click("List1", 0);
  const QRect entry = categories->visualRect(categories->model()->index(0, 0));
  const QImage shown = categories->viewport()->grab().toImage();
  const QColor frame = shown.pixelColor(entry.left(), entry.center().y());
  EXPECT_GE(contrast(frame, shown.pixelColor(entry.right() - 5, entry.center().y())), 3.0);  // the selection
  EXPECT_GE(contrast(frame, shown.pixelColor(5, categories->viewport()->height() - 5)), 3.0);  // the background
}

}  // namespace
}  // namespace tarvola
