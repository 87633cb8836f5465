#pragma once

#include <QWidget>

#include "bookmarks/window/loaded_collection.h"
#include "bookmarks/window/window_dialogs.h"
#include "store/data_folder.h"

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tarvola {

class DeletionsList;
class FoundModel;

// The companion window: find a website as you type, import and export a
// bookmark file, bring back what was deleted.
class BookmarksWindow final : public QWidget {
  Q_OBJECT

 public:
  BookmarksWindow(DataFolder& folder, WindowDialogs dialogs, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void connectControls();

  void search_TextChanged();
  bool search_KeyPress(int key);
  bool results_KeyPress(int key);
  void open_Click();
  void import_Click();
  void export_Click();
  void restoreSelected_Click();
  void restoreAll_Click();
  void folderTimer_Tick();

  void showFound();
  void showDeletions();
  void showStatus();
  void openRow(int row);
  void importChosenFile(const QString& file);
  void restore(const std::optional<std::vector<std::size_t>>& numbers);
  // After a change of the window's own: what it shows follows at once.
  void readAgain();
  void setWorking(bool working);

  DataFolder& folder_;
  WindowDialogs dialogs_;
  LoadedCollection collection_;
  bool working_ = false;

  QLineEdit* search = nullptr;
  QListView* results = nullptr;
  FoundModel* found = nullptr;
  QLabel* status = nullptr;
  QPushButton* openButton = nullptr;
  DeletionsList* deletions = nullptr;
  QPushButton* restoreSelected = nullptr;
  QPushButton* restoreAll = nullptr;
  QPushButton* importButton = nullptr;
  QPushButton* exportButton = nullptr;
  QProgressBar* progress = nullptr;
  QTimer* folderTimer = nullptr;
};

}  // namespace tarvola
