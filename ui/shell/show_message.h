#pragma once

#include <QString>
#include <functional>

class QWidget;

// Message-box flags: the low four bits choose the buttons, the next four the icon.
enum MessageFlags : int {
  kMbOk = 0x00,
  kMbOkCancel = 0x01,
  kMbYesNo = 0x04,
  kMbIconStop = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
};

// Message-box results.
enum MessageResult : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Shows the text in the utility's own message box, owned by the owner's
// window (or none), and answers with the button's result. Every message of the
// program goes through here.
int ShowMessage(QWidget* owner, const QString& text, int flags);

// Tests answer messages without a modal loop: while an answerer is set,
// ShowMessage hands it the request and returns its answer. An empty function
// removes it.
using MessageAnswerer = std::function<int(QWidget* owner, const QString& text, int flags)>;
void SetMessageAnswerer(MessageAnswerer answerer);
