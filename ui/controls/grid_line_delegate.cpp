#include "ui/controls/grid_line_delegate.h"

#include <QPainter>

TGridLineDelegate::TGridLineDelegate(const QColor& line, QObject* parent)
    : QStyledItemDelegate(parent), line_(line) {}

void TGridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QRect cell = option.rect;
  painter->save();
  painter->setPen(line_);
  painter->drawLine(cell.bottomLeft(), cell.bottomRight());
  painter->drawLine(cell.topRight(), cell.bottomRight());
  painter->restore();
}
