#include "bookmarks/window/found_model.h"

#include "bookmarks/window/shown_string.h"

namespace tarvola {

void FoundModel::show(std::shared_ptr<const WebsiteIndex> index, std::vector<std::size_t> found) {
  beginResetModel();
  index_ = std::move(index);
  found_ = std::move(found);
  endResetModel();
}

int FoundModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(found_.size());
}

const FoundWebsite* FoundModel::website(int row) const {
  if (!index_ || row < 0 || static_cast<std::size_t>(row) >= found_.size()) return nullptr;
  return &index_->websites()[found_[static_cast<std::size_t>(row)]];
}

QVariant FoundModel::data(const QModelIndex& index, int role) const {
  const FoundWebsite* found = website(index.row());
  if (!found) return {};
  const QString name = shownString(found->name);
  const QString category = shownString(found->category);
  const QString address = shownString(found->address);
  switch (role) {
    case Qt::DisplayRole: return name + u'\n' + category + QStringLiteral("  ·  ") + address;
    // A screen reader reads the row as one sentence, not as three pieces.
    case Qt::AccessibleTextRole:
      return QStringLiteral("%1，类别“%2”，网址 %3").arg(name, category, address);
    case Qt::ToolTipRole: return address;
    default: return {};
  }
}

}  // namespace tarvola
