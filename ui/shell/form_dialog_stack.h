#pragma once

#include <QPointer>

#include "adapter/dialog_stack.h"

class QWidget;
class TFormBase;

// The open-dialog stack of TFormBase as the closing thread sees it.
class FormDialogStack final : public DialogStack {
 public:
  // The main window is never asked to close; it may be none.
  explicit FormDialogStack(QWidget* mainWindow = nullptr) : mainWindow_(mainWindow) {}

  Form TopForm() const override;
  bool IsMainWindow(Form form) const override;
  // Closes the form as its close button would, if it is still open.
  void AskToClose(Form form) override;

 private:
  static TFormBase* OpenForm(Form form);

  QPointer<QWidget> mainWindow_;
};
