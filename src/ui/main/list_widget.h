#pragma once

#include <QListWidget>

namespace tarvola {

// A plain list box: one entry selected at most, and keyboard focus alone
// selects nothing, so the first arrow key lands on the first entry.
class ListWidget final : public QListWidget {
  Q_OBJECT

 public:
  explicit ListWidget(QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace tarvola
