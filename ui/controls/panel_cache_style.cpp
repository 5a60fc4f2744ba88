#include "ui/controls/panel_cache_style.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace {

// Focus, hover and palette changes each add one; a few sizes at most.
constexpr qsizetype kMaxPanels = 16;

}  // namespace

void TPanelCacheStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
  if (element != PE_PanelLineEdit || frame == nullptr || painter->device() == nullptr ||
      frame->rect.isEmpty()) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const qreal ratio = painter->device()->devicePixelRatio();
  const Key key{frame->rect.size(),
                static_cast<int>(frame->state),
                static_cast<int>(frame->direction),
                frame->lineWidth,
                frame->midLineWidth,
                static_cast<int>(frame->features),
                frame->palette.cacheKey(),
                ratio};
  auto found = panels_.constFind(key);
  if (found == panels_.cend()) {
    if (panels_.size() >= kMaxPanels) panels_.clear();
    QPixmap panel(frame->rect.size() * ratio);
    panel.setDevicePixelRatio(ratio);
    panel.fill(Qt::transparent);
    QStyleOptionFrame atOrigin = *frame;
    atOrigin.rect.moveTo(0, 0);
    QPainter canvas(&panel);
    QProxyStyle::drawPrimitive(element, &atOrigin, &canvas, widget);
    canvas.end();
    found = panels_.insert(key, panel);
  }
  painter->drawPixmap(frame->rect.topLeft(), *found);
}
