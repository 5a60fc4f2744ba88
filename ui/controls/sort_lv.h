#pragma once

#include <QImage>
#include <QTreeWidget>
#include <functional>

// A report list that remembers its sort column and direction and shows them
// with a picture in the column's header. A header click updates both; the
// owner then sorts with its own comparison.
class TSortLv : public QTreeWidget {
  Q_OBJECT

 public:
  // Negative when a goes before b, as the owner wants them for the present
  // column and direction.
  using CompareFn = std::function<int(const QTreeWidgetItem& a, const QTreeWidgetItem& b)>;

  explicit TSortLv(QWidget* parent = nullptr);

  int SortColunm() const { return sortColumn_; }
  void SetSortColumn(int column);
  bool Increase() const { return increase_; }
  void SetIncrease(bool increase);
  // The column whose header never sorts; -1 for none.
  int SkipSort1() const { return skipSort1_; }
  void SetSkipSort1(int column);

  const QImage& IncBMP() const { return incBMP_; }
  void SetIncBMP(const QImage& picture);
  const QImage& DecBMP() const { return decBMP_; }
  void SetDecBMP(const QImage& picture);
  // The picture the header shows for the present direction.
  const QImage& SortPicture() const { return increase_ ? incBMP_ : decBMP_; }

  void SetOnCompare(CompareFn compare);
  // Orders the rows with the owner's comparison, or by caption without one;
  // selection and current row stay with their rows.
  void Sort();

 signals:
  // A header was clicked; sent after the list has updated its sort column.
  void ColumnClick(int column);

 private:
  void HeaderClicked(int column);
  void RepaintHeader();

  int sortColumn_ = 0;
  bool increase_ = true;
  int skipSort1_ = -1;
  QImage incBMP_;
  QImage decBMP_;
  CompareFn compare_;
};
