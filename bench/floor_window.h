#pragma once

#include <memory>

#include <QStringList>

#include "host/host.h"

class QAbstractItemView;
class QListView;
class QStringListModel;
class QWidget;

namespace tarvola::bench {

// The floor of filling a list: the cheapest list Qt has, a QListView over a
// QStringListModel with uniform row sizes, in a shown window of the main
// window's size with both lists where the main window has them. Filling a
// list hands it strings already made.
class FloorWindow {
 public:
  FloorWindow();
  ~FloorWindow();

  void fill(ListBox list, const QStringList& entries);
  // A website's address in the caption and as the website list's tool tip.
  void showAddress(const QString& address);

 private:
  std::unique_ptr<QWidget> window_;
  QListView* lists_[2];
  QStringListModel* models_[2];
};

// What a list shows, row by row.
QStringList contentsOf(const QAbstractItemView& view);

}  // namespace tarvola::bench
