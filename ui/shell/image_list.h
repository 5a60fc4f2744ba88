#pragma once

#include <QImage>
#include <QList>
#include <QSize>

// Pictures of one size, addressed by index; lists give list rows and the tray
// icon their pictures.
class TImageList {
 public:
  explicit TImageList(QSize size) : size_(size) {}

  // The size of every picture, in logical pixels.
  QSize Size() const { return size_; }
  int Count() const { return static_cast<int>(images_.size()); }
  // A null image for an index outside the list.
  QImage Image(int index) const { return images_.value(index); }
  void Add(const QImage& image) { images_.append(image); }

 private:
  QSize size_;
  QList<QImage> images_;
};
