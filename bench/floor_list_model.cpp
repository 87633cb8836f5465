#include "bench/floor_list_model.h"

#include <span>

#include "store/text_field.h"

namespace tarvola::bench {

void FloorListModel::setBytes(std::string bytes) {
  beginResetModel();
  bytes_ = std::move(bytes);
  endResetModel();
}

int FloorListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(bytes_.size() / recordLength_);
}

QVariant FloorListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const std::span<const char> name(bytes_.data() + static_cast<std::size_t>(index.row()) * recordLength_, nameWidth_);
  return QString::fromStdString(shownText(name));
}

}  // namespace tarvola::bench
