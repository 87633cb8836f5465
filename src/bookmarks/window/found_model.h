#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include <QAbstractListModel>

#include "bookmarks/find/website_index.h"

namespace tarvola {

// The websites a search found, made into rows only as the view asks for
// them: a search over the largest collection costs what the search costs.
class FoundModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // `index` is kept alive by the model while it shows its websites.
  void show(std::shared_ptr<const WebsiteIndex> index, std::vector<std::size_t> found);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const FoundWebsite* website(int row) const;

 private:
  std::shared_ptr<const WebsiteIndex> index_;
  std::vector<std::size_t> found_;
};

}  // namespace tarvola
