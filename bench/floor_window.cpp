#include "bench/floor_window.h"

#include <QListView>
#include <QWidget>

#include "bench/floor_list_model.h"
#include "store/records.h"

namespace tarvola::bench {

FloorWindow::FloorWindow() : window_(std::make_unique<QWidget>()) {
  window_->setFixedSize(389, 255);
  const QRect geometries[] = {{20, 40, 121, 199}, {150, 40, 221, 199}};
  for (int side = 0; side < 2; ++side) {
    QListView* list = lists_[side] = new QListView(window_.get());
    list->setGeometry(geometries[side]);
    list->setUniformItemSizes(true);
    models_[side] = side == 0 ? new FloorListModel(CategoryRecord::kLength, CategoryRecord::kLength, list)
                              : new FloorListModel(SiteRecord::kLength, SiteRecord::kNameWidth, list);
    list->setModel(models_[side]);
  }
  window_->show();
}

FloorWindow::~FloorWindow() = default;

void FloorWindow::fill(ListBox list, std::string records) {
  models_[list == ListBox::List1 ? 0 : 1]->setBytes(std::move(records));
}

void FloorWindow::showAddress(const QString& address) {
  lists_[1]->setToolTip(address);
  window_->setWindowTitle(address);
}

QStringList contentsOf(const QAbstractItemView& view) {
  QStringList texts;
  const QAbstractItemModel* model = view.model();
  for (int row = 0; row < model->rowCount(); ++row) texts.append(model->index(row, 0).data().toString());
  return texts;
}

}  // namespace tarvola::bench
