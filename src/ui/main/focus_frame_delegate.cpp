#include "ui/main/focus_frame_delegate.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>

namespace tarvola {

namespace {

constexpr int kFrameWidth = 2;

}  // namespace

void FocusFrameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem plain(option);
  plain.state &= ~QStyle::State_HasFocus;
  QStyledItemDelegate::paint(painter, plain, index);
  if (!(option.state & QStyle::State_HasFocus)) return;
  painter->save();
  painter->setPen(QPen(option.palette.color(QPalette::Active, QPalette::Text), kFrameWidth, Qt::SolidLine,
                       Qt::SquareCap, Qt::MiterJoin));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(option.rect).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0,
                                                 -kFrameWidth / 2.0));
  painter->restore();
}

// The first entry alone sets every row's height (uniform sizes): a Latin name
// there must not make rows lower than a Chinese one would.
QSize FocusFrameDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QSize hint = QStyledItemDelegate::sizeHint(option, index);
  QStyleOptionViewItem chinese(option);
  chinese.features |= QStyleOptionViewItem::HasDisplay;
  chinese.text = QStringLiteral("网站");
  const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
  const int height = style->sizeFromContents(QStyle::CT_ItemViewItem, &chinese, QSize(), option.widget).height();
  return QSize(hint.width(), std::max(hint.height(), height));
}

}  // namespace tarvola
