#include "ui/main/form1.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/browse/other_changes.h"
#include "ops/browse/website_selection.h"
#include "ops/categories/add_category.h"
#include "ops/categories/delete_category.h"
#include "ops/categories/rename_category.h"
#include "ops/sites/add_website.h"
#include "ops/sites/delete_website.h"
#include "ops/sites/modify_website.h"
#include "ui/artwork.h"
#include "ui/instructions/form2.h"
#include "ui/main/list_box_view.h"

namespace tarvola {

namespace {

constexpr QSize kClientSize(389, 255);
constexpr QRect kList1Geometry(20, 40, 121, 199);
constexpr QRect kList2Geometry(150, 40, 221, 199);
// How often the window looks whether another program changed the folder.
constexpr int kWatchIntervalMs = 300;

}  // namespace

Form1::Form1(DataFolder& folder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      List1(new ListBoxView(this)),
      List2(new ListBoxView(this)),
      background_(backgroundPicture()),
      folder_(folder),
      host_(this, List1, List2) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tarvola"));
  setWindowIcon(programIcon());
  setFixedSize(kClientSize);
  setContextMenuPolicy(Qt::PreventContextMenu);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  buildLists();
  buildMenus();
  host_.setInstructionsLauncher(&showInstructionsWindow);

  startWatching();
  Form_Load(host_, folder_);
  List1->setFocus();
  centreOnScreen(this);
}

void Form1::buildLists() {
  List1->setObjectName(QStringLiteral("List1"));
  List2->setObjectName(QStringLiteral("List2"));
  // The headings are part of the picture, so a screen reader needs the names here.
  List1->setAccessibleName(QStringLiteral("网站类别"));
  List2->setAccessibleName(QStringLiteral("精品网站"));
  List1->setGeometry(kList1Geometry);
  List2->setGeometry(kList2Geometry);
  setTabOrder(List1, List2);
  for (ListBoxView* list : {List1, List2}) {
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
  }
  // The host has given both lists their models, and with them their selection models.
  connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Form1::List1_Click);
  connect(List2->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Form1::List2_Click);
  // A double-click, Enter, or a screen reader's default action on the entry; never QListView's activated.
  connect(List2, &ListBoxView::entryOpened, this, &Form1::List2_DblClick);
}

void Form1::buildMenus() {
  pop1 = new QMenu(QStringLiteral("设置"), this);
  pop1->setObjectName(QStringLiteral("pop1"));
  pop1->setAccessibleName(QStringLiteral("网站类别菜单"));
  addMenuItem(pop1, "wzlb", QStringLiteral("添加网站类别"), &Form1::wzlb_Click);
  addMenuItem(pop1, "xgwzlb", QStringLiteral("修改网站类别"), &Form1::xgwzlb_Click);
  addMenuItem(pop1, "scwzlb", QStringLiteral("删除网站类别"), &Form1::scwzlb_Click);
  addMenuItem(pop1, "tjwz", QStringLiteral("添加网站"), &Form1::tjwz_Click);
  addMenuItem(pop1, "shuo", QStringLiteral("使用说明"), &Form1::shuo_Click);

  pop2 = new QMenu(QStringLiteral("1234"), this);
  pop2->setObjectName(QStringLiteral("pop2"));
  pop2->setAccessibleName(QStringLiteral("网站菜单"));
  addMenuItem(pop2, "scwz", QStringLiteral("删除网站"), &Form1::scwz_Click);
  addMenuItem(pop2, "xgwz", QStringLiteral("修改网站"), &Form1::xgwz_Click);
}

QAction* Form1::addMenuItem(QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void Form1::startWatching() {
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, &Form1::showOtherChanges);
  timer->start(kWatchIntervalMs);
}

// Never under a menu or a dialog the person has open: a rebuild would take
// away the selection it was opened for.
void Form1::showOtherChanges() {
  // The watch is set up at the first tick, not before the window shows: the
  // kernel takes milliseconds over it. What changed before is found by comparing once.
  if (!watch_) {
    watch_ = folder_.watch();
    otherChangeSeen_ = true;
  }
  if (watch_->changed()) otherChangeSeen_ = true;
  if (!otherChangeSeen_ || QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
  otherChangeSeen_ = !tarvola::showOtherChanges(host_, folder_);
}

void Form1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  paintPicture(this, background_);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  for (ListBoxView* list : {List1, List2}) {
    if (watched == list || watched == list->viewport()) return filterRightButton(list, event);
  }
  return QWidget::eventFilter(watched, event);
}

// The right button never selects; its release over a list opens that list's menu.
// The menu key and Shift+F10 open nothing.
bool Form1::filterRightButton(ListBoxView* list, QEvent* event) {
  switch (event->type()) {
    case QEvent::ContextMenu:
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::RightButton) return false;
      if (list->viewport()->rect().contains(list->viewport()->mapFromGlobal(mouse->globalPosition().toPoint()))) {
        list == List1 ? List1_MouseUp(mouse) : List2_MouseUp(mouse);
      }
      return true;
    }
    default:
      return false;
  }
}

void Form1::List1_Click() {
  if (List1->selectionModel()->hasSelection()) tarvola::List1_Click(host_, folder_);
}

void Form1::List2_Click() {
  if (List2->selectionModel()->hasSelection()) tarvola::List2_Click(host_, folder_);
}

void Form1::List2_DblClick() { tarvola::List2_DblClick(host_, folder_); }

void Form1::List1_MouseUp(QMouseEvent* event) { pop1->exec(event->globalPosition().toPoint()); }

void Form1::List2_MouseUp(QMouseEvent* event) {
  if (host_.selectedIndex(ListBox::List2) >= 0) pop2->exec(event->globalPosition().toPoint());
}

void Form1::wzlb_Click() { tarvola::wzlb_Click(host_, folder_); }
void Form1::xgwzlb_Click() { tarvola::xgwzlb_Click(host_, folder_); }
void Form1::scwzlb_Click() { tarvola::scwzlb_Click(host_, folder_); }
void Form1::tjwz_Click() { tarvola::tjwz_Click(host_, folder_); }
void Form1::shuo_Click() { host_.showInstructions(); }
void Form1::scwz_Click() { tarvola::scwz_Click(host_, folder_); }
void Form1::xgwz_Click() { tarvola::xgwz_Click(host_, folder_); }

}  // namespace tarvola
