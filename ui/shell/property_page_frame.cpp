#include "ui/shell/property_page_frame.h"

#include <QLabel>
#include <algorithm>

#include "ui/shell/control_texts.h"
#include "ui/shell/mark_image.h"

TPropertyPageFrame::TPropertyPageFrame(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
}

QLabel* TPropertyPageFrame::AddMarkImage(QWidget* control, const QImage& templ) {
  return TMarkImage::Create(control, templ);
}

void TPropertyPageFrame::LoadStrings(const QString& section) {
  LoadControlTexts(*this, section, TextKinds::kPageControls);
}

void TPropertyPageFrame::FitLabel(QLabel* caption, QWidget* value, int rightEdge) {
  if (caption == nullptr || value == nullptr) return;
  caption->resize(LabelTextWidth(*caption) + 6, caption->height());
  const int left = caption->x() + caption->width() + 6;
  // A caption that reaches past the edge leaves the value no room, not a negative width.
  value->setGeometry(left, value->y(), std::max(0, rightEdge - left), value->height());
}

bool TPropertyPageFrame::EnterPage(TPropertyPageFrame* previous, int direction, int) {
  if (direction == kDirNext) backLink_ = previous;
  return true;
}

bool TPropertyPageFrame::LeavePage(TPropertyPageFrame*, int direction, int) {
  if (direction == kDirBack) backLink_ = nullptr;
  return true;
}
