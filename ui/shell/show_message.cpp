#include "ui/shell/show_message.h"

#include <QPointer>

#include "ui/shell/form_msg_box.h"

namespace {

MessageAnswerer& Answerer() {
  static MessageAnswerer answerer;
  return answerer;
}

}  // namespace

int ShowMessage(QWidget* owner, const QString& text, int flags) {
  if (Answerer()) return Answerer()(owner, text, flags);
  // The owner's window may go away while the box is open and take the box with it.
  QPointer<TFormMsgBox> box = new TFormMsgBox(owner, text, flags);
  const int result = box->Execute();
  delete box.data();
  return result;
}

void SetMessageAnswerer(MessageAnswerer answerer) { Answerer() = std::move(answerer); }
