#pragma once

#include <QAbstractListModel>
#include <cstddef>
#include <string>

namespace tarvola::bench {

// The least a list needs to show a file's records: the bytes, and the name
// field of a row decoded only when the view draws that row.
class FloorListModel final : public QAbstractListModel {
 public:
  FloorListModel(std::size_t recordLength, std::size_t nameWidth, QObject* parent)
      : QAbstractListModel(parent), recordLength_(recordLength), nameWidth_(nameWidth) {}

  void setBytes(std::string bytes);

  int rowCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::size_t recordLength_;
  std::size_t nameWidth_;
  std::string bytes_;
};

}  // namespace tarvola::bench
