#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "bookmarks/bookmark_import.h"
#include "bookmarks/window/bookmarks_window.h"
#include "store/deleted_entries.h"
#include "store/folder_change.h"
#include "store/data_files.h"
#include "store/records.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_folder.h"

namespace tarvola {
namespace {

constexpr char kCollection[] = R"(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<DL><p>
<DT><H3>门户</H3>
<DL><p>
<DT><A HREF="http://www.sina.com.cn/">新浪</A>
<DT><A HREF="http://www.sohu.com/">搜狐</A>
</DL><p>
<DT><H3>银行</H3>
<DL><p>
<DT><A HREF="http://www.cmbchina.com/">招商银行</A>
</DL><p>
</DL><p>
)";

// A category deleted with its one website, kept to be taken back.
void keepDeletedCategory(DataFolder& folder) {
  FolderChange change(folder, std::chrono::milliseconds(1000));
  Deletion deletion{Deletion::Kind::category, 1700000000, std::string(CategoryRecord::withName("音乐").bytes()),
                    std::string(SiteRecord::with("虾米音乐", "http://www.xiami.com").bytes())};
  ASSERT_TRUE(keepDeletion(change, std::move(deletion)));
  ASSERT_EQ(change.commit(), ChangeOutcome::done);
}

class BookmarksWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(importBookmarks(folder_, kCollection).status, ImportOutcome::Status::done);
    keepDeletedCategory(folder_);
    WindowDialogs dialogs;
    dialogs.open = [this](QWidget*, const std::string& address) { opened_.push_back(address); };
    dialogs.tell = [this](QWidget*, const QString& text, bool failed) { told_.emplace_back(text, failed); };
    dialogs.chooseFileToExport = [this](QWidget*) {
      return QString::fromStdString(utf8Of(dir_ / pathFromUtf8("导出.html")));
    };
    window_ = std::make_unique<BookmarksWindow>(folder_, dialogs);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  template <typename Widget>
  Widget* find(const char* name) const {
    return window_->findChild<Widget*>(QString::fromLatin1(name));
  }
  // What a screen reader reads for a result. Without one running (offscreen) the
  // view doesn't tell its accessible rows of a new search: ask a fresh one.
  QString readAloud(int row) const {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(find<QListView>("results"));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(list));
    list = QAccessible::queryAccessibleInterface(find<QListView>("results"));
    return list->child(row)->text(QAccessible::Name);
  }
  // Letters as keys; Chinese as an input method hands it over.
  void type(const QString& text) {
    auto* search = find<QLineEdit>("search");
    search->clear();
    for (const QChar c : text) c.unicode() < 0x80 ? QTest::keyClick(search, c.toLatin1()) : search->insert(c);
  }

  test::TempDir dir_;
  test::Folder folder_{dir_.path()};
  std::vector<std::string> opened_;
  std::vector<std::pair<QString, bool>> told_;
  std::unique_ptr<BookmarksWindow> window_;
};

TEST_F(BookmarksWindowTest, FindsAsYouTypeAndOpensWithTheKeyboard) {
  EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("search"));
  EXPECT_EQ(readAloud(0), QStringLiteral("新浪，类别“门户”，网址 http://www.sina.com.cn/"));
  type(QStringLiteral("zsyh"));
  ASSERT_EQ(find<QListView>("results")->model()->rowCount(), 1);
  EXPECT_EQ(readAloud(0), QStringLiteral("招商银行，类别“银行”，网址 http://www.cmbchina.com/"));
  QTest::keyClick(find<QLineEdit>("search"), Qt::Key_Return);
  type(QStringLiteral("门户"));
  QTest::keyClick(find<QLineEdit>("search"), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), find<QListView>("results"));
  QTest::keyClick(find<QListView>("results"), Qt::Key_Down);
  QTest::keyClick(find<QListView>("results"), Qt::Key_Enter);
  EXPECT_EQ(opened_, (std::vector<std::string>{"http://www.cmbchina.com/", "http://www.sohu.com/"}));
  QTest::keyClick(find<QListView>("results"), Qt::Key_Escape);
  QTest::keyClick(find<QLineEdit>("search"), Qt::Key_Escape);
  EXPECT_TRUE(find<QLineEdit>("search")->text().isEmpty());
  EXPECT_EQ(find<QListView>("results")->model()->rowCount(), 3);
}

TEST_F(BookmarksWindowTest, BringsBackTheSelectedDeletion) {
  auto* deletions = find<QTreeWidget>("deletions");
  ASSERT_EQ(deletions->topLevelItemCount(), 1);
  deletions->topLevelItem(0)->setSelected(true);
  QTest::mouseClick(find<QPushButton>("restoreSelected"), Qt::LeftButton);
  ASSERT_EQ(told_.size(), 1U);
  EXPECT_FALSE(told_[0].second) << told_[0].first.toStdString();
  EXPECT_EQ(deletions->topLevelItemCount(), 0);
  type(QStringLiteral("xiami"));
  ASSERT_EQ(find<QListView>("results")->model()->rowCount(), 1);
  EXPECT_EQ(readAloud(0), QStringLiteral("虾米音乐，类别“音乐”，网址 http://www.xiami.com"));
}

TEST_F(BookmarksWindowTest, ImportsADroppedFileAndExportsToTheChosenOne) {
  const QString marks = QString::fromStdString(utf8Of(dir_ / pathFromUtf8("书签.html")));
  test::writeBytes(dir_ / pathFromUtf8("书签.html"),
                   R"(<DL><DT><H3>搜索</H3><DL><DT><A HREF="http://www.baidu.com/">百度</A></DL></DL>)");
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(marks)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &drop);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !told_.empty(); }, 1000));
  EXPECT_TRUE(told_[0].first.contains(QStringLiteral("书签.html”导入"))) << told_[0].first.toStdString();
  type(QStringLiteral("bd"));
  EXPECT_EQ(find<QListView>("results")->model()->rowCount(), 1);
  window_->findChild<QPushButton*>(QStringLiteral("export"))->click();
  ASSERT_EQ(told_.size(), 2U);
  EXPECT_FALSE(told_[1].second) << told_[1].first.toStdString();
  EXPECT_NE(test::readBytes(dir_ / pathFromUtf8("导出.html")).find("http://www.baidu.com/"), std::string::npos);
}

TEST_F(BookmarksWindowTest, FollowsAnotherProgramsChangeWithinASecond) {
  type(QStringLiteral("baidu"));
  test::Folder other(dir_.path());
  ASSERT_EQ(importBookmarks(other, R"(<DL><DT><A HREF="http://www.baidu.com/">百度</A></DL>)").status,
            ImportOutcome::Status::done);
  EXPECT_TRUE(QTest::qWaitFor([this] { return find<QListView>("results")->model()->rowCount() == 1; }, 1000));
}

}  // namespace
}  // namespace tarvola
