#include "ui/main/list_widget.h"

#include <QItemSelectionModel>

namespace tarvola {

ListWidget::ListWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void ListWidget::focusInEvent(QFocusEvent* event) {
  const bool hadCurrent = currentIndex().isValid();
  QListWidget::focusInEvent(event);
  // Qt makes the first entry current on focus; then Down would skip it.
  if (!hadCurrent && selectedItems().isEmpty()) selectionModel()->clearCurrentIndex();
}

}  // namespace tarvola
