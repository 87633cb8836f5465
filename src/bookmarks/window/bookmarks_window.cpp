#include "bookmarks/window/bookmarks_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "bookmarks/reported_actions.h"
#include "bookmarks/window/deletions_list.h"
#include "bookmarks/window/found_model.h"
#include "bookmarks/window/shown_string.h"

namespace tarvola {

namespace {

// Within a second of another program's change, at little cost: the watch is asked, the folder read only on a change.
constexpr int kFolderTickMs = 400;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* made = new QPushButton(caption, parent);
  made->setObjectName(QString::fromLatin1(name));
  made->setAutoDefault(false);
  return made;
}

QLabel* labelFor(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

QString unreadText(WholeCollection::Status status, const std::string& file) {
  if (status == WholeCollection::Status::pendingChange)
    return QStringLiteral("数据目录里有一次没有完成的更改，现在无法完成它，无法查找。");
  return QStringLiteral("无法读取数据文件“%1”，无法查找。").arg(shownString(file));
}

}  // namespace

BookmarksWindow::BookmarksWindow(DataFolder& folder, WindowDialogs dialogs, QWidget* parent)
    : QWidget(parent), folder_(folder), dialogs_(std::move(dialogs)), collection_(folder) {
  setObjectName(QStringLiteral("BookmarksWindow"));
  setWindowTitle(QStringLiteral("Tarvola 书签：查找、导入、导出、恢复"));
  setAcceptDrops(true);
  buildControls();
  connectControls();
  collection_.readIfChanged();
  showFound();
  showDeletions();
  resize(660, 540);
  search->setFocus();
}

void BookmarksWindow::buildControls() {
  search = new QLineEdit(this);
  search->setObjectName(QStringLiteral("search"));
  search->setAccessibleName(QStringLiteral("查找网站"));
  search->setPlaceholderText(QStringLiteral("名称、网址、类别或拼音，如 xl、xinlang"));
  search->setClearButtonEnabled(true);
  // A file dropped on the field is imported, not typed in.
  search->setAcceptDrops(false);
  found = new FoundModel(this);
  results = new QListView(this);
  results->setObjectName(QStringLiteral("results"));
  results->setAccessibleName(QStringLiteral("找到的网站"));
  results->setModel(found);
  results->setUniformItemSizes(true);
  // Each result takes two lines: the colours tell where one ends.
  results->setAlternatingRowColors(true);
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->setSelectionMode(QAbstractItemView::SingleSelection);
  status = new QLabel(this);
  status->setObjectName(QStringLiteral("status"));
  status->setTextFormat(Qt::PlainText);
  openButton = button(this, "open", QStringLiteral("打开(&O)"));
  deletions = new DeletionsList(this);
  deletions->setObjectName(QStringLiteral("deletions"));
  deletions->setAccessibleName(QStringLiteral("已删除的收藏"));
  restoreSelected = button(this, "restoreSelected", QStringLiteral("恢复选中的(&R)"));
  restoreAll = button(this, "restoreAll", QStringLiteral("全部恢复(&A)"));
  importButton = button(this, "import", QStringLiteral("导入书签(&I)…"));
  exportButton = button(this, "export", QStringLiteral("导出书签(&E)…"));
  progress = new QProgressBar(this);
  progress->setObjectName(QStringLiteral("progress"));
  progress->setAccessibleName(QStringLiteral("导入进度"));
  progress->setVisible(false);
  folderTimer = new QTimer(this);

  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(labelFor(this, QStringLiteral("查找(&F)："), search));
  searchRow->addWidget(search, 1);
  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(status, 1);
  statusRow->addWidget(openButton);
  auto* changeRow = new QHBoxLayout;
  changeRow->addWidget(restoreSelected);
  changeRow->addWidget(restoreAll);
  changeRow->addStretch(1);
  changeRow->addWidget(importButton);
  changeRow->addWidget(exportButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(labelFor(this, QStringLiteral("找到的网站(&W)："), results));
  layout->addWidget(results, 3);
  layout->addLayout(statusRow);
  layout->addWidget(labelFor(this, QStringLiteral("已删除的收藏，最新的在前(&D)："), deletions));
  layout->addWidget(deletions, 2);
  layout->addLayout(changeRow);
  layout->addWidget(progress);

  setTabOrder(search, results);
  setTabOrder(results, openButton);
  setTabOrder(openButton, deletions);
  setTabOrder(deletions, restoreSelected);
  setTabOrder(restoreSelected, restoreAll);
  setTabOrder(restoreAll, importButton);
  setTabOrder(importButton, exportButton);
}

void BookmarksWindow::connectControls() {
  search->installEventFilter(this);
  results->installEventFilter(this);
  connect(search, &QLineEdit::textChanged, this, &BookmarksWindow::search_TextChanged);
  // A double-click opens; never QListView's activated, which some styles send on a single click.
  connect(results, &QListView::doubleClicked, this, [this](const QModelIndex& index) { openRow(index.row()); });
  connect(openButton, &QPushButton::clicked, this, &BookmarksWindow::open_Click);
  connect(importButton, &QPushButton::clicked, this, &BookmarksWindow::import_Click);
  connect(exportButton, &QPushButton::clicked, this, &BookmarksWindow::export_Click);
  connect(restoreSelected, &QPushButton::clicked, this, &BookmarksWindow::restoreSelected_Click);
  connect(restoreAll, &QPushButton::clicked, this, &BookmarksWindow::restoreAll_Click);
  connect(deletions, &QTreeWidget::itemSelectionChanged, this,
          [this] { restoreSelected->setEnabled(!deletions->selectedItems().isEmpty()); });
  connect(folderTimer, &QTimer::timeout, this, &BookmarksWindow::folderTimer_Tick);
  folderTimer->start(kFolderTickMs);
}

bool BookmarksWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == search) return search_KeyPress(key);
    if (watched == results) return results_KeyPress(key);
  }
  return QWidget::eventFilter(watched, event);
}

// Enter opens the selected result, or the first; Down goes into the results; Escape clears.
bool BookmarksWindow::search_KeyPress(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: open_Click(); return true;
    case Qt::Key_Down:
      if (found->rowCount() == 0) return true;
      results->setFocus();
      if (!results->selectionModel()->hasSelection())
        results->selectionModel()->setCurrentIndex(found->index(0), QItemSelectionModel::ClearAndSelect);
      return true;
    case Qt::Key_Escape: search->clear(); return true;
    default: return false;
  }
}

// Enter opens; Up from the first result, or Escape, goes back to the field.
bool BookmarksWindow::results_KeyPress(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: openRow(results->currentIndex().row()); return true;
    case Qt::Key_Up:
      if (results->currentIndex().row() > 0) return false;
      search->setFocus();
      return true;
    case Qt::Key_Escape: search->setFocus(); return true;
    default: return false;
  }
}

void BookmarksWindow::search_TextChanged() { showFound(); }

void BookmarksWindow::open_Click() {
  const QModelIndexList selected = results->selectionModel()->selectedRows();
  openRow(selected.isEmpty() ? 0 : selected.constFirst().row());
}

void BookmarksWindow::openRow(int row) {
  const FoundWebsite* website = found->website(row);
  if (website && !website->address.empty()) dialogs_.open(this, website->address);
}

void BookmarksWindow::import_Click() {
  const QString file = dialogs_.chooseFileToImport(this);
  if (!file.isEmpty()) importChosenFile(file);
}

void BookmarksWindow::export_Click() {
  const QString file = dialogs_.chooseFileToExport(this);
  if (file.isEmpty()) return;
  setWorking(true);
  const Reported reported = exportFile(folder_, file.toStdString());
  setWorking(false);
  dialogs_.tell(this, shownString(reported.text), reported.failed);
}

void BookmarksWindow::restoreSelected_Click() {
  const std::vector<std::size_t> numbers = deletions->selectedNumbers();
  if (!numbers.empty()) restore(numbers);
}

void BookmarksWindow::restoreAll_Click() { restore(std::nullopt); }

void BookmarksWindow::folderTimer_Tick() {
  if (working_ || !collection_.readIfChanged()) return;
  showFound();
  showDeletions();
}

void BookmarksWindow::importChosenFile(const QString& file) {
  setWorking(true);
  const Reported reported = importFile(folder_, file.toStdString(), [this](std::size_t done, std::size_t all) {
    if (all < kProgressFrom) return;
    progress->setVisible(true);
    progress->setMaximum(static_cast<int>(all));
    progress->setValue(static_cast<int>(done));
    // The bar moves; nothing the person does reaches the window until the import is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  setWorking(false);
  readAgain();
  dialogs_.tell(this, shownString(reported.text), reported.failed);
}

void BookmarksWindow::restore(const std::optional<std::vector<std::size_t>>& numbers) {
  setWorking(true);
  const Reported reported = restoreDeletions(folder_, numbers);
  setWorking(false);
  readAgain();
  dialogs_.tell(this, shownString(reported.text), reported.failed);
}

void BookmarksWindow::readAgain() {
  collection_.markChanged();
  if (!collection_.readIfChanged()) return;
  showFound();
  showDeletions();
}

void BookmarksWindow::setWorking(bool working) {
  working_ = working;
  for (QWidget* control : std::initializer_list<QWidget*>{search, results, openButton, deletions, restoreSelected,
                                                          restoreAll, importButton, exportButton})
    control->setEnabled(!working);
  if (working) {
    setCursor(Qt::WaitCursor);
    return;
  }
  unsetCursor();
  progress->setVisible(false);
  restoreSelected->setEnabled(!deletions->selectedItems().isEmpty());
  restoreAll->setEnabled(deletions->topLevelItemCount() > 0);
  search->setFocus();
}

void BookmarksWindow::showFound() {
  const std::shared_ptr<const WebsiteIndex> index = collection_.index();
  found->show(index, index->find(search->text().toStdString()));
  showStatus();
}

void BookmarksWindow::showStatus() {
  if (collection_.status() != WholeCollection::Status::done) {
    status->setText(unreadText(collection_.status(), collection_.failedFile()));
  } else if (search->text().trimmed().isEmpty()) {
    status->setText(QStringLiteral("共 %1 个网站。输入名称、网址、类别或拼音查找。").arg(found->rowCount()));
  } else if (found->rowCount() == 0) {
    status->setText(QStringLiteral("没有找到含有“%1”的网站。").arg(search->text()));
  } else {
    status->setText(QStringLiteral("找到 %1 个网站。按 Enter 打开第一个，按 ↓ 选择。").arg(found->rowCount()));
  }
}

void BookmarksWindow::showDeletions() {
  deletions->show(collection_.deletions());
  restoreSelected->setEnabled(false);
  restoreAll->setEnabled(!working_ && !collection_.deletions().empty());
}

void BookmarksWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!working_ && urls.size() == 1 && urls.constFirst().isLocalFile()) event->acceptProposedAction();
}

void BookmarksWindow::dropEvent(QDropEvent* event) {
  const QString file = event->mimeData()->urls().constFirst().toLocalFile();
  event->acceptProposedAction();
  // Not inside the drop: the program the file came from would wait for the whole import.
  QTimer::singleShot(0, this, [this, file] { importChosenFile(file); });
}

void BookmarksWindow::closeEvent(QCloseEvent* event) {
  if (working_) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace tarvola
