#pragma once

#include <QListView>

namespace tarvola {

// A plain list box: one entry selected at most, and keyboard focus alone
// selects nothing, so the first arrow key lands on the first entry. Its rows
// come from a model (the host's), so a long list is shown without an object
// per entry.
class ListBoxView final : public QListView {
  Q_OBJECT

 public:
  explicit ListBoxView(QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace tarvola
