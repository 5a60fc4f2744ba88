#include "ui/shell/mark_image.h"

#include <QEvent>

TMarkImage* TMarkImage::Create(QWidget* control, const QImage& templ) {
  if (control == nullptr || control->parentWidget() == nullptr || templ.isNull()) return nullptr;
  return new TMarkImage(control, templ);
}

TMarkImage::TMarkImage(QWidget* control, const QImage& templ) : TImage(control->parentWidget()) {
  SetPicture(templ);
  const QRect target = control->geometry();
  move(target.left() - width() - kGap, target.top() + (target.height() - height()) / 2);
  setHidden(control->isHidden());
  control->installEventFilter(this);
}

bool TMarkImage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShowToParent) show();
  if (event->type() == QEvent::HideToParent) hide();
  return TImage::eventFilter(watched, event);
}
