#include "ui/controls/sort_lv.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {

constexpr int kPictureInset = 5;

// Draws the list's sort picture into the header of its sort column.
class SortHeader : public QHeaderView {
 public:
  explicit SortHeader(const TSortLv& list) : QHeaderView(Qt::Horizontal), list_(list) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    const QImage& picture = list_.SortPicture();
    if (logicalIndex != list_.SortColunm() || picture.isNull()) return;
    const QPoint topLeft(rect.x() + rect.width() - kPictureInset - picture.width(),
                         rect.y() + (rect.height() - picture.height()) / 2);
    painter->save();
    painter->setClipRect(rect);
    painter->drawImage(topLeft, picture);
    painter->restore();
  }

 private:
  const TSortLv& list_;
};

}  // namespace

TSortLv::TSortLv(QWidget* parent) : QTreeWidget(parent) {
  setHeader(new SortHeader(*this));
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  header()->setSortIndicatorShown(false);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  connect(header(), &QHeaderView::sectionClicked, this, &TSortLv::HeaderClicked);
}

void TSortLv::SetSortColumn(int column) {
  sortColumn_ = column;
  RepaintHeader();
}

void TSortLv::SetIncrease(bool increase) {
  increase_ = increase;
  RepaintHeader();
}

void TSortLv::SetSkipSort1(int column) {
  skipSort1_ = column;
  if (skipSort1_ == sortColumn_) SetSortColumn(sortColumn_ + 1);
}

void TSortLv::SetIncBMP(const QImage& picture) {
  incBMP_ = picture;
  RepaintHeader();
}

void TSortLv::SetDecBMP(const QImage& picture) {
  decBMP_ = picture;
  RepaintHeader();
}

void TSortLv::SetOnCompare(CompareFn compare) { compare_ = std::move(compare); }

void TSortLv::Sort() {
  QTreeWidgetItem* current = currentItem();
  const QList<QTreeWidgetItem*> selected = selectedItems();
  QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
  const auto before = [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    if (compare_) return compare_(*a, *b) < 0;
    return QString::localeAwareCompare(a->text(0), b->text(0)) < 0;
  };
  std::stable_sort(rows.begin(), rows.end(), before);
  addTopLevelItems(rows);
  if (current != nullptr) {
    selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
  }
  for (QTreeWidgetItem* row : selected) row->setSelected(true);
}

void TSortLv::HeaderClicked(int column) {
  if (column != skipSort1_) {
    if (column == sortColumn_) {
      SetIncrease(!increase_);
    } else {
      SetSortColumn(column);
    }
  }
  emit ColumnClick(column);
}

void TSortLv::RepaintHeader() { header()->viewport()->update(); }
