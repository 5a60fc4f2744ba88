#include "ui/shell/tray_icon.h"

#include <QSystemTrayIcon>

#include "ui/shell/form_res.h"

TTrayIcon::TTrayIcon(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this)) {
  setObjectName(QStringLiteral("TrayIconMain"));
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick) emit clicked();
  });
}

TTrayIcon::~TTrayIcon() = default;

void TTrayIcon::SetNewerLook(bool newer) {
  if (newer == newerLook_) return;
  newerLook_ = newer;
  ShowPicture();
}

void TTrayIcon::SetIndex(int index) {
  if (index == index_) return;
  index_ = index;
  ShowPicture();
}

void TTrayIcon::SetHint(const QString& hint) {
  if (hint.size() > kMaxHintLength) return;
  hint_ = hint;
  icon_->setToolTip(hint);
}

bool TTrayIcon::Visible() const { return icon_->isVisible(); }

void TTrayIcon::SetVisible(bool visible) {
  if (visible == icon_->isVisible()) return;
  if (visible) DrawPicture();
  icon_->setVisible(visible);
}

void TTrayIcon::SetMenu(QMenu* menu) { icon_->setContextMenu(menu); }

void TTrayIcon::ShowPicture() {
  // A hidden icon is drawn when it is shown.
  if (icon_->isVisible()) DrawPicture();
}

void TTrayIcon::DrawPicture() {
  const TFormRes* res = TFormRes::Instance();
  if (res == nullptr || index_ < 0) return;
  icon_->setIcon(res->TrayIcon(newerLook_, index_));
}
