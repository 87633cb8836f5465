#pragma once

#include <memory>

#include <QAbstractListModel>

#include "host/list_entries.h"

namespace tarvola {

// A list's rows as Qt's views see them: the entries the host was given last,
// each turned into a QString only when a view asks for it.
class EntriesModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Replaces every row in one reset.
  void setEntries(std::shared_ptr<const ListEntries> entries);
  const ListEntries* entries() const { return entries_.get(); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const ListEntries> entries_;
};

}  // namespace tarvola
