#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws a report list's grid: a line below every row and after every column,
// over the row's own look. Item views have no grid of their own.
class TGridLineDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TGridLineDelegate(const QColor& line, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  QColor line_;
};
