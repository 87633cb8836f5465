#pragma once

#include <memory>
#include <string>

#include <QStringList>

#include "host/host.h"

class QAbstractItemView;
class QListView;
class QWidget;

namespace tarvola::bench {

class FloorListModel;

// The floor of filling a list: a QListView with uniform row sizes over the
// least model that shows a file's records (FloorListModel), in a shown window
// of the main window's size with both lists where the main window has them.
class FloorWindow {
 public:
  FloorWindow();
  ~FloorWindow();

  // Shows the records of a category file (List1) or a site file (List2).
  void fill(ListBox list, std::string records);
  // A website's address in the caption and as the website list's tool tip.
  void showAddress(const QString& address);

 private:
  std::unique_ptr<QWidget> window_;
  QListView* lists_[2]{};
  FloorListModel* models_[2]{};
};

// What a list shows, row by row.
QStringList contentsOf(const QAbstractItemView& view);

}  // namespace tarvola::bench
