#include "ui/shell/form_base.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include "core/fa_global_var.h"
#include "ui/shell/control_pos.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/mark_image.h"
#include "ui/shell/owned_controls.h"

namespace {

// Only the window thread touches it: windows are created, shown and closed
// there, and the closing thread reaches it through the window thread.
QList<TFormBase*>& OpenDialogs() {
  static QList<TFormBase*> stack;
  return stack;
}

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

TFormBase::TFormBase(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

TFormBase::~TFormBase() {
  // A window destroyed inside its own modal loop must not stay on the stack.
  OpenDialogs().removeAll(this);
}

void TFormBase::ApplyLayout(QWidget* component, const QString& section) {
  if (component == nullptr) return;
  for (QWidget* control : OwnedControls(*component)) LayOut(control, section);
}

void TFormBase::ApplyLateLayout(QWidget* control) {
  if (control == nullptr || !isAncestorOf(control)) return;
  QString section = objectName();
  QStringList hosts;
  for (QWidget* host = control->parentWidget(); host != this; host = host->parentWidget()) {
    if (OwnsControls(*host)) hosts.prepend(host->objectName());
  }
  for (const QString& host : std::as_const(hosts)) section += QLatin1Char('_') + host;
  LayOut(control, section);
}

void TFormBase::LayOut(QWidget* control, const QString& section) {
  const QString name = control->objectName();
  if (name.isEmpty()) return;
  if (OwnsControls(*control)) ApplyLayout(control, section + QLatin1Char('_') + name);
  ApplyControlPos(control, section + QStringLiteral("_CtrlPos"));
  const bool visible = FAGlobal().InfoRead(Local(section + QStringLiteral("_Visible")), Local(name),
                                           !control->isHidden());
  if (visible == control->isHidden()) control->setVisible(visible);
}

void TFormBase::ApplyControlPos(QWidget* control, const QString& section) {
  if (control == nullptr) return;
  const std::string value = FAGlobal().InfoRead(Local(section), Local(control->objectName()), "");
  ControlPos::Parse(value).ApplyTo(*control);
}

QLabel* TFormBase::AddMarkImage(QWidget* control, const QImage& templ) {
  return TMarkImage::Create(control, templ);
}

void TFormBase::LoadStrings(const QString& section) {
  LoadControlTexts(*this, section, TextKinds::kLabels);
}

int TFormBase::FitLabel(QLabel* label) {
  if (label == nullptr) return 0;
  const int width = LabelTextWidth(*label) + 6;
  label->resize(width, label->height());
  return width;
}

int TFormBase::ShowModalTracked() {
  QList<TFormBase*>& stack = OpenDialogs();
  const qsizetype at = stack.size();
  stack.append(this);
  QPointer<TFormBase> self(this);
  const int result = exec();
  if (self) {
    // Windows opened on top have left by now, so the entry is where it was put.
    if (at < stack.size() && stack.at(at) == this) {
      stack.removeAt(at);
    } else {
      stack.removeAll(this);
    }
  }
  return result;
}

TFormBase* TFormBase::TopModalForm() {
  const QList<TFormBase*>& stack = OpenDialogs();
  return stack.isEmpty() ? nullptr : stack.last();
}

QList<TFormBase*> TFormBase::OpenModalForms() { return OpenDialogs(); }

void TFormBase::CenterOver(const QWidget* owner) {
  const QWidget* over = owner != nullptr ? owner->window() : nullptr;
  QRect area;
  if (over != nullptr && over->isVisible()) {
    area = over->frameGeometry();
  } else {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) area = screen->availableGeometry();
  }
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(frame.topLeft());
  positioned_ = true;
}

void TFormBase::reject() { done(kMrCancel); }

void TFormBase::showEvent(QShowEvent* event) {
  if (!positioned_) CenterOver(nullptr);
  QDialog::showEvent(event);
}
