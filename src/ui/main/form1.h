#pragma once

#include <memory>

#include <QWidget>

#include "host/qt/qt_host.h"
#include "store/data_folder.h"
#include "store/folder_watch.h"
#include "ui/artwork.h"

class QAction;
class QMenu;
class QMouseEvent;

namespace tarvola {

class ListBoxView;

// The main window: categories on the left, websites on the right, over the
// background picture. Every change goes through the two popup menus.
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(DataFolder& folder, QWidget* parent = nullptr);

  QtHost& host() { return host_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildLists();
  void buildMenus();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)());

  void List1_Click();
  void List2_Click();
  void List2_DblClick();
  void List1_MouseUp(QMouseEvent* event);
  void List2_MouseUp(QMouseEvent* event);
  bool filterRightButton(ListBoxView* list, QEvent* event);
  void startWatching();
  void showOtherChanges();

  void wzlb_Click();
  void xgwzlb_Click();
  void scwzlb_Click();
  void tjwz_Click();
  void shuo_Click();
  void scwz_Click();
  void xgwz_Click();

  ListBoxView* List1 = nullptr;
  ListBoxView* List2 = nullptr;
  QMenu* pop1 = nullptr;
  QMenu* pop2 = nullptr;
  const Picture background_;
  DataFolder& folder_;
  QtHost host_;
  std::unique_ptr<FolderWatch> watch_;
  bool otherChangeSeen_ = false;
};

}  // namespace tarvola
