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

  // Selects the entry, as the first click of a double-click does, then opens it.
  void openEntry(int row);
  // Selects the entry, or takes the selection from it.
  void toggleEntry(int row);

 signals:
  // A double-click on an entry, Enter, or a screen reader's default action on an entry.
  void entryOpened();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvola
