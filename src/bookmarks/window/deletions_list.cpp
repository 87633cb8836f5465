#include "bookmarks/window/deletions_list.h"

#include <QHeaderView>

#include "bookmarks/messages.h"
#include "bookmarks/window/shown_string.h"

namespace tarvola {

DeletionsList::DeletionsList(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(3);
  setHeaderLabels({QStringLiteral("删除时间"), QStringLiteral("删除的内容"), QStringLiteral("网站数")});
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header()->setSectionResizeMode(1, QHeaderView::Stretch);
  header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
}

void DeletionsList::show(const std::vector<Deletion>& newestFirst) {
  clear();
  QList<QTreeWidgetItem*> items;
  for (const Deletion& deletion : newestFirst) {
    const DeletionColumns columns = deletionColumns(deletion);
    auto* item =
        new QTreeWidgetItem({shownString(columns.time), shownString(columns.name), shownString(columns.size)});
    item->setData(0, Qt::UserRole, QVariant::fromValue<qlonglong>(deletion.number));
    items.append(item);
  }
  addTopLevelItems(items);
}

std::vector<std::size_t> DeletionsList::selectedNumbers() const {
  std::vector<std::size_t> numbers;
  for (const QTreeWidgetItem* item : selectedItems())
    numbers.push_back(static_cast<std::size_t>(item->data(0, Qt::UserRole).toLongLong()));
  return numbers;
}

}  // namespace tarvola
