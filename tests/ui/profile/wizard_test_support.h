#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "model/wl_profile.h"
#include "tests/ui/support/find_child.h"
#include "ui/shell/form_main.h"

class CNICAdapter;
class TFrameProfSet;
class TFrameProfile;

// The profile wizard in the running utility, bound to the simulated adapter.
namespace WizardTest {

inline constexpr int kWait = 10000;

// A settings file for the simulated adapter with these lines in its section.
std::string Settings(const std::string& adapterLines = {});
TFormMain::Timing FastTiming();
// A station profile as the list keeps them.
WLProfile Station(const std::string& name, const char* ssid = "OrvOpen");
// The library's store holds exactly these profiles.
void StoreOnly(const std::vector<WLProfile>& profiles);
bool Stored(const std::string& name);

struct Running {
  Running();

  CNICAdapter& Adapter() const;
  // The wizard page shown now, by component name; empty with none.
  QString Current() const;
  QString WindowPage() const;
  template <typename T = QWidget>
  T* On(const char* page, const char* control) const {
    return UiTest::FindChild<T>(*Page(page), control);
  }
  // The wizard host, built if the wizard has not opened yet.
  TFrameProfSet* Host() const;
  // A wizard page by component name.
  QWidget* Page(const char* name) const;
  // Clicks the button of the page shown now.
  void Press(const char* button) const;
  // Presses Next and answers with the page shown then.
  QString Next() const;
  std::string Applied() const;
  // Reads the network type page's scan results soon rather than in 3 s.
  void QuickSurvey() const;

  TFormMain window{FastTiming()};
  bool attached = false;
  TFrameProfile* page = nullptr;
};

// Answers every message with OK and keeps what was asked.
struct Answering {
  Answering();
  ~Answering();
  QStringList asked;
  QList<int> flags;
};

}  // namespace WizardTest
