#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "ui/artwork.h"
#include "ui/gui_test_support.h"
#include "ui/instructions/form2.h"

namespace tarvola {
namespace {

using test::categoryFileOf;
using test::siteRecord;
using test::writeBytes;

QWidgetList allInstructionsWindows() {
  QWidgetList windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "Form2") windows.append(widget);
  }
  return windows;
}

QWidgetList openInstructionsWindows() {
  QWidgetList open;
  for (QWidget* window : allInstructionsWindows()) {
    if (window->isVisible()) open.append(window);
  }
  return open;
}

// Where a freshly loaded window of that size belongs.
QRect centredOnScreen(const QSize& size) {
  return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size,
                             QGuiApplication::primaryScreen()->availableGeometry());
}

// Deletes what closing leaves for the event loop to delete.
void unloadClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class Form2Test : public ::testing::Test {
 protected:
  static const test::TempDir& withCategories(const test::TempDir& dir) {
    writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B"}));
    writeBytes(dir / "1.dat", siteRecord("b1", "http://b1.cn"));
    return dir;
  }

  void SetUp() override { window.form().host().setInstructionsLauncher(&showInstructionsWindow); }

  void TearDown() override {
    unloadClosedWindows();
    qDeleteAll(allInstructionsWindows());
  }

  QWidget* openInstructions() {
    window.choose("List1", -1, "shuo");
    const QWidgetList open = openInstructionsWindows();
    return open.size() == 1 ? open.first() : nullptr;
  }

  test::TempDir dir;
  test::Window window{withCategories(dir)};
};

TEST_F(Form2Test, ChoosingTheInstructionsThreeTimesLeavesOneWindow) {
  const QPointer<QWidget> first = openInstructions();
  ASSERT_TRUE(first);
  first->move(first->pos() + QPoint(40, 30));
  const QPoint moved = first->pos();
  window.choose("List1", -1, "shuo");
  window.choose("List1", 0, "shuo");
  EXPECT_EQ(openInstructionsWindows(), QWidgetList{first.data()});
  EXPECT_EQ(allInstructionsWindows().size(), 1);
  // Shown again where the user left it: only loading centres it.
  EXPECT_EQ(first->pos(), moved);
}

TEST_F(Form2Test, ChoosingTheInstructionsAgainBringsBackAMinimisedWindow) {
  const QPointer<QWidget> first = openInstructions();
  ASSERT_TRUE(first);
  first->showMinimized();
  window.choose("List1", -1, "shuo");
  EXPECT_EQ(openInstructionsWindows(), QWidgetList{first.data()});
  EXPECT_FALSE(first->isMinimized());
}

TEST_F(Form2Test, TheWindowShowsThePictureUnderItsCaptionAtAFixedSize) {
  QWidget* instructions = openInstructions();
  ASSERT_TRUE(instructions);
  EXPECT_EQ(instructions->windowTitle(), "使用说明");
  EXPECT_EQ(instructions->size(), QSize(390, 314));
  EXPECT_EQ(instructions->minimumSize(), instructions->maximumSize());
  EXPECT_FALSE(instructions->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(instructions->palette().color(QPalette::Window), QColor(192, 192, 255));
  EXPECT_FALSE(instructions->windowIcon().isNull());
  EXPECT_TRUE(instructions->children().isEmpty());

  const QPixmap picture = instructionsPicture().normal;
  EXPECT_EQ(picture.size(), QSize(390, 315));
  // The picture's last row falls below the client area.
  const QImage shown = instructions->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage expected = picture.toImage().copy(0, 0, 390, 314).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, expected);
}

TEST_F(Form2Test, TheInstructionsAreModelessAndWithoutOwner) {
  QWidget* instructions = openInstructions();
  ASSERT_TRUE(instructions);
  EXPECT_TRUE(instructions->isWindow());
  EXPECT_EQ(instructions->parentWidget(), nullptr);
  EXPECT_EQ(instructions->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Form2Test, TheMainWindowKeepsWorkingWhileTheInstructionsAreOpen) {
  ASSERT_TRUE(openInstructions());
  window.click("List1", 1);
  EXPECT_EQ(window.form().windowTitle(), "B");
  EXPECT_EQ(window.entries("List2"), QStringList{"b1"});
  window.doubleClick("List2", 0);
  EXPECT_EQ(window.opened(), std::vector<std::string>{"http://b1.cn"});
  EXPECT_EQ(window.menuOpenedBy([&] { window.rightClick("List1", 0); }), "pop1");
  EXPECT_EQ(openInstructionsWindows().size(), 1);
}

TEST_F(Form2Test, ClosingTheInstructionsUnloadsThemAndTheNextChoiceLoadsAFreshCentredWindow) {
  QPointer<QWidget> first = openInstructions();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->geometry(), centredOnScreen(QSize(390, 314)));
  first->move(0, 0);
  first->close();
  unloadClosedWindows();
  EXPECT_TRUE(first.isNull());

  QWidget* second = openInstructions();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->geometry(), centredOnScreen(QSize(390, 314)));
}

TEST_F(Form2Test, AChoiceRightAfterClosingLoadsANewWindow) {
  QPointer<QWidget> first = openInstructions();
  ASSERT_TRUE(first);
  first->close();
  window.choose("List1", -1, "shuo");
  const QWidgetList open = openInstructionsWindows();
  ASSERT_EQ(open.size(), 1);
  EXPECT_NE(open.first(), first.data());
}

// Runs the program's event loop, ending it after a while if nothing else does.
int runTheProgram(QObject* scope) {
  QTimer::singleShot(5000, scope, [] {
    ADD_FAILURE() << "the program did not end";
    QCoreApplication::exit(1);
  });
  return QApplication::exec();
}

TEST_F(Form2Test, TheProgramRunsOnAfterTheMainWindowClosesAndEndsWithTheInstructions) {
  QPointer<QWidget> instructions = openInstructions();
  ASSERT_TRUE(instructions);
  QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
  bool leftOpen = false;
  qsizetype closedBeforeInstructions = -1;
  QObject scope;
  QTimer::singleShot(0, &scope, [&] { window.form().close(); });
  QTimer::singleShot(100, &scope, [&] {
    leftOpen = instructions && instructions->isVisible();
    closedBeforeInstructions = lastWindowClosed.count();
    if (instructions) instructions->close();
  });

  EXPECT_EQ(runTheProgram(&scope), 0);
  EXPECT_TRUE(leftOpen);
  EXPECT_EQ(closedBeforeInstructions, 0);
  EXPECT_EQ(lastWindowClosed.count(), 1);
  unloadClosedWindows();
  EXPECT_TRUE(instructions.isNull());
}

TEST_F(Form2Test, AnInstructionsWindowStillOpenWhenTheEventLoopEndsIsDeleted) {
  QPointer<QWidget> instructions = openInstructions();
  ASSERT_TRUE(instructions);
  QObject scope;
  // Unlike quit(), exit() closes no window on its way out.
  QTimer::singleShot(0, &scope, [] { QCoreApplication::exit(0); });
  EXPECT_EQ(runTheProgram(&scope), 0);
  unloadClosedWindows();
  EXPECT_TRUE(instructions.isNull());
}

}  // namespace
}  // namespace tarvola
