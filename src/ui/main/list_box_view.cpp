#include "ui/main/list_box_view.h"

#include <QAccessible>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include "ui/main/focus_frame_delegate.h"
#include "ui/main/list_box_accessible.h"

namespace tarvola {

namespace {

void describeListBoxesToScreenReaders() {
  static const bool installed = (QAccessible::installFactory(&listBoxAccessible), true);
  (void)installed;
}

bool isEnter(const QKeyEvent* key) {
  return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
         (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

ListBoxView::ListBoxView(QWidget* parent) : QListView(parent) {
  describeListBoxesToScreenReaders();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setItemDelegate(new FocusFrameDelegate(this));
  connect(this, &QAbstractItemView::doubleClicked, this, &ListBoxView::entryOpened);
}

void ListBoxView::openEntry(int row) {
  const QModelIndex entry = model()->index(row, 0);
  if (!entry.isValid()) return;
  selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
  emit entryOpened();
}

void ListBoxView::toggleEntry(int row) {
  const QModelIndex entry = model()->index(row, 0);
  if (!entry.isValid()) return;
  const bool selected = selectionModel()->isSelected(entry);
  selectionModel()->setCurrentIndex(entry, selected ? QItemSelectionModel::Deselect : QItemSelectionModel::ClearAndSelect);
}

// Without a current entry Qt would make the first one current, and tell a
// screen reader it has the focus although it isn't selected; Down would then skip it.
void ListBoxView::focusInEvent(QFocusEvent* event) {
  if (currentIndex().isValid()) {
    QListView::focusInEvent(event);
    return;
  }
  // Past QAbstractItemView's, which makes the first entry current.
  QAbstractScrollArea::focusInEvent(event);  // NOLINT(bugprone-parent-virtual-call)
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->update();
}

void ListBoxView::keyPressEvent(QKeyEvent* event) {
  if (!isEnter(event)) {
    QListView::keyPressEvent(event);
    return;
  }
  emit entryOpened();
}

}  // namespace tarvola
