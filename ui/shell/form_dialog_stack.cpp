#include "ui/shell/form_dialog_stack.h"

#include "ui/shell/form_base.h"

DialogStack::Form FormDialogStack::TopForm() const { return TFormBase::TopModalForm(); }

bool FormDialogStack::IsMainWindow(Form form) const {
  const TFormBase* open = OpenForm(form);
  return open != nullptr && open == mainWindow_.data();
}

void FormDialogStack::AskToClose(Form form) {
  // The handle may be stale: only a window still on the stack is touched.
  if (TFormBase* open = OpenForm(form)) open->close();
}

TFormBase* FormDialogStack::OpenForm(Form form) {
  for (TFormBase* open : TFormBase::OpenModalForms()) {
    if (static_cast<Form>(open) == form) return open;
  }
  return nullptr;
}
