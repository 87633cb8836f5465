#include "ui/main/list_box_view.h"

#include <QItemSelectionModel>

namespace tarvola {

ListBoxView::ListBoxView(QWidget* parent) : QListView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void ListBoxView::focusInEvent(QFocusEvent* event) {
  const bool hadCurrent = currentIndex().isValid();
  QListView::focusInEvent(event);
  // Qt makes the first entry current on focus; then Down would skip it.
  QItemSelectionModel* selection = selectionModel();
  if (!hadCurrent && selection && !selection->hasSelection()) selection->clearCurrentIndex();
}

}  // namespace tarvola
