#include "tests/ui/profile/wizard_test_support.h"

#include <QTest>
#include <QTimer>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/show_message.h"

namespace WizardTest {

using std::chrono::milliseconds;

std::string Settings(const std::string& adapterLines) {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n[SIM\\ORVWL_0001]\r\n" + adapterLines;
}

TFormMain::Timing FastTiming() {
  TFormMain::Timing timing;
  timing.detect.detectDelay = milliseconds(30);
  timing.adapter.firstCollect = milliseconds(10);
  timing.adapter.collect = milliseconds(40);
  timing.adapter.afterConnect = milliseconds(10);
  timing.adapter.detectRetry = milliseconds(10);
  timing.adapter.afterRelease = milliseconds(10);
  return timing;
}

WLProfile Station(const std::string& name, const char* ssid) {
  WLProfile p{};
  ResetSecurity(p);
  p.TxRate = 15;
  p.NetworkMode = 1;
  p.ABGMode = 34;
  p.FragThreshold = 2346;
  p.RTSThreshold = 2347;
  p.PreambleMode = 2;
  CopyText(p.ProfileName, name);
  CopyText(p.Ssid1, ssid);
  return p;
}

void StoreOnly(const std::vector<WLProfile>& profiles) {
  const auto& api = WLLib().Api();
  char name[kProfileNameBufferSize] = {};
  for (int guard = 0; guard < 1000 && api.ORVWL_EnumWLProfiles(0, name) == 1; ++guard) {
    api.ORVWL_DeleteWLProfile(name);
  }
  for (const WLProfile& p : profiles) api.ORVWL_SetWLProfile(p.ProfileName, &p);
}

bool Stored(const std::string& name) {
  WLProfile p{};
  return WLLib().Api().ORVWL_GetWLProfile(name.c_str(), &p) == 1;
}

Running::Running() {
  window.Start(0);
  attached = QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
  page = UiTest::FindChild<TFrameProfile>(window, "FrameProfile1");
}

TFrameProfSet* Running::Host() const { return &page->Wizard(); }

QWidget* Running::Page(const char* name) const { return UiTest::FindChild<QWidget>(*Host(), name); }

CNICAdapter& Running::Adapter() const { return *window.Adapter(); }

QString Running::Current() const {
  return Host()->CurrentPage() != nullptr ? Host()->CurrentPage()->objectName() : QString();
}

QString Running::WindowPage() const {
  return window.CurrentPage() != nullptr ? window.CurrentPage()->objectName() : QString();
}

void Running::Press(const char* button) const {
  QWidget* current = Host()->CurrentPage();
  QVERIFY2(current != nullptr, button);
  QTest::mouseClick(UiTest::FindChild<QWidget>(*current, button), Qt::LeftButton);
}

QString Running::Next() const {
  Press("BtnNext");
  return Current();
}

std::string Running::Applied() const {
  WLProfile applied{};
  if (window.Adapter() == nullptr || !window.Adapter()->GetAppliedProfile(applied)) return {};
  return std::string(TextOf(applied.ProfileName));
}

void Running::QuickSurvey() const {
  // A running timer starts again with the new interval.
  On<QTimer>("FrameNetType1", "TimerSurvey")->setInterval(20);
}

Answering::Answering() {
  SetMessageAnswerer([this](QWidget*, const QString& text, int flags) {
    asked.append(text);
    this->flags.append(flags);
    return int{kIdOk};
  });
}

Answering::~Answering() { SetMessageAnswerer({}); }

}  // namespace WizardTest
