#pragma once

#include <QStyledItemDelegate>

namespace tarvola {

// Draws a list's entries as the style does, but with a focus frame that shows:
// two pixels in the text colour, which stands out against the selection
// colour and the list's background alike. Every row is as high as a line of
// Chinese text, whatever the entries hold.
class FocusFrameDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tarvola
