#pragma once

#include <cstddef>
#include <vector>

#include <QTreeWidget>

#include "store/deleted_entries.h"

namespace tarvola {

// The deletions kept, newest first: when, what, and how many websites.
class DeletionsList final : public QTreeWidget {
  Q_OBJECT

 public:
  explicit DeletionsList(QWidget* parent = nullptr);

  void show(const std::vector<Deletion>& newestFirst);
  // The numbers of the selected deletions, as `restore` takes them.
  std::vector<std::size_t> selectedNumbers() const;
};

}  // namespace tarvola
