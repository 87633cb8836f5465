#include "host/qt/entries_model.h"

#include <algorithm>
#include <climits>

namespace tarvola {

void EntriesModel::setEntries(std::shared_ptr<const ListEntries> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

int EntriesModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !entries_) return 0;
  // Qt counts rows in an int.
  return static_cast<int>(std::min<std::size_t>(entries_->size(), INT_MAX));
}

QVariant EntriesModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (role == Qt::AccessibleDescriptionRole) return QString::fromStdString(entries_->description(row));
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return QString::fromStdString(entries_->at(row));
}

}  // namespace tarvola
