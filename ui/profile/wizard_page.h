#pragma once

#include <QString>
#include <array>

#include "ui/shell/property_page_frame.h"

class QKeyEvent;
class TFABitmapBtn;

// A page of the profile wizard. Its buttons belong to the wizard host, which
// runs its handler of the same name for each. Enter presses Next (Save where
// the page has no Next) and Escape presses Exit (Activate later where the page
// has no Exit).
class TWizardPage : public TPropertyPageFrame {
  Q_OBJECT

 public:
  enum Button { kBack, kNext, kSave, kExit, kActNow, kActLater, kButtonCount };
  static constexpr int Bit(Button button) { return 1 << button; }

  // name: the component name; section: the page's section of the string file.
  TWizardPage(const char* name, const char* section, QWidget* parent);
  // A page of nothing but its buttons.
  TWizardPage(const char* name, const char* section, int buttons, QWidget* parent);

  // The page's button of that kind, or nullptr.
  TFABitmapBtn* WizardButton(Button button) const;
  // Texts of the page's section, button faces and their names for screen readers.
  void InitPage() override;
  // Keeps the adapter manager while it is attached in station mode. A page
  // that overrides this calls it first.
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;

 signals:
  void WizardButtonClicked(int button);

 protected:
  // Called last by the page's constructor, so that the buttons follow the
  // fields in the tab order. `buttons` is a set of Bit values.
  void AddWizardButtons(int buttons);
  const QString& Section() const { return section_; }
  // The adapter manager in station mode, or nullptr.
  CNICAdapter* Adapter() const { return adapter_; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool Press(Button button);

  QString section_;
  std::array<TFABitmapBtn*, kButtonCount> buttons_{};
  CNICAdapter* adapter_ = nullptr;
};
