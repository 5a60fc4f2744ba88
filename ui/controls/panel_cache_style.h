#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

// The application's style, except that it keeps the panels of line edits it
// has drawn as pictures and afterwards only copies them: an edit whose text
// changes with every status would otherwise draw its antialiased frame anew
// each time. For edits standing on their own, not inside a spin or combo box.
class TPanelCacheStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

 private:
  struct Key {
    QSize size;
    int state;
    int direction;
    int lineWidth;
    int midLineWidth;
    int features;
    qint64 palette;
    qreal pixelRatio;
    bool operator==(const Key&) const = default;
  };
  friend size_t qHash(const Key& key, size_t seed) {
    return qHashMulti(seed, key.size.width(), key.size.height(), key.state, key.direction,
                      key.lineWidth, key.midLineWidth, key.features, key.palette, key.pixelRatio);
  }

  mutable QHash<Key, QPixmap> panels_;
};
