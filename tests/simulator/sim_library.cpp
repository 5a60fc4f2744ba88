#include "tests/simulator/sim_library.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/text.h"
#include "simulator/live_state.h"
#include "simulator/scenario.h"
#include "tests/support/process.h"

using namespace orvsim;

std::string SimLibrary::FastScenario(const std::string& extra) {
  return std::string(DefaultScenarioText()) + "\n[adapter]\nscan_ms = " + std::to_string(kScanMs) +
         "\nassociate_ms = " + std::to_string(kAssociateMs) + "\n" + extra;
}

std::string SimLibrary::ManualClock(const std::string& extra) {
  return FastScenario("[adapter]\nclock = manual\n" + extra);
}

SimLibrary::SimLibrary(const std::string& scenario, const std::string& home)
    : home_(home.empty() ? dir_.File("home") : home) {
  std::filesystem::copy_file(std::string(ORV_BIN_DIR) + "/ORVWL.DLL", dir_.File("ORVWL.DLL"));
  WriteFile(dir_.File("scenario.sim"), scenario);
  ::setenv("ORVWL_SIM_HOME", home_.c_str(), 1);
  ::setenv("ORVWL_SIM_SCENARIO", dir_.File("scenario.sim").c_str(), 1);
  if (!library_.Open(dir_.File("ORVWL.DLL"))) {
    ADD_FAILURE() << library_.LastError();
    return;
  }
#define RESOLVE(name, params) \
  api_.name = reinterpret_cast<decltype(api_.name)>(library_.Symbol(#name));
  ORVWL_ENTRY_POINTS(RESOLVE)
#undef RESOLVE
  EXPECT_EQ(api_.ORVWL_Initial("Orvane", 1), 1);
}

SimLibrary::~SimLibrary() {
  ::unsetenv("ORVWL_SIM_HOME");
  ::unsetenv("ORVWL_SIM_SCENARIO");
}

int SimLibrary::Tool(const std::vector<std::string>& args) const {
  return RunProgram(std::string(ORV_BIN_DIR) + "/orvwl-sim", args,
                    {"ORVWL_SIM_HOME=" + home_, "ORVWL_SIM_SCENARIO=" + dir_.File("scenario.sim")});
}

std::string SimLibrary::ToolOutput(const std::vector<std::string>& args) const {
  const std::string out = dir_.File("tool-output.txt");
  std::vector<std::string> shellArgs = {"-c", "exec \"$0\" \"$@\" > \"$ORV_TOOL_OUTPUT\"",
                                        std::string(ORV_BIN_DIR) + "/orvwl-sim"};
  shellArgs.insert(shellArgs.end(), args.begin(), args.end());
  EXPECT_EQ(
      RunProgram("/bin/sh", shellArgs,
                 {"ORVWL_SIM_HOME=" + home_, "ORVWL_SIM_SCENARIO=" + dir_.File("scenario.sim"),
                  "ORV_TOOL_OUTPUT=" + out}),
      0);
  return ReadFile(out);
}

void SimLibrary::Advance(int ms) const { EXPECT_EQ(Tool({"advance", std::to_string(ms)}), 0); }

std::string SimLibrary::LiveFile() const {
  return LiveFolder(home_) + "/" + std::to_string(::getpid()) + ".state";
}

WLANStatus SimLibrary::Status() const {
  WLANStatus status{};
  int32_t more = 0;
  api_.ORVWL_GetWLANStatus(&more, &status);
  return status;
}

LinkReport SimLibrary::Report() const { return ReadLinkReport(Status()).value_or(LinkReport{}); }

std::vector<SiteSurveyEntry> SimLibrary::Survey() const {
  SurveyBuffer buffer{};
  api_.ORVWL_SiteSurveyGet(&buffer, sizeof buffer);
  const int32_t count = std::clamp(buffer.Count, 0, kSurveyMaxEntries);
  return {buffer.Entries, buffer.Entries + count};
}

std::vector<SiteSurveyEntry> SimLibrary::ScanNow() const {
  const std::vector<SiteSurveyEntry> before = Survey();
  EXPECT_EQ(api_.ORVWL_SiteSurveyScan(), 1);
  std::vector<SiteSurveyEntry> after;
  // A completed scan always differs: every signal takes a step, or the list changes.
  WaitUntil([&] {
    after = Survey();
    return after.size() != before.size() ||
           (!after.empty() &&
            std::memcmp(after.data(), before.data(), after.size() * sizeof(SiteSurveyEntry)) != 0);
  });
  return after;
}

int32_t SimLibrary::Apply(const WLProfile& profile) const {
  WLANStatus status{};
  EXPECT_EQ(api_.ORVWL_WLProfileToWLStatus(&profile, &status), 1);
  uint32_t result = 0;
  return api_.ORVWL_SetWLANStatus(&result, &status);
}

bool SimLibrary::WaitConnected(std::chrono::milliseconds timeout) const {
  return WaitUntil([&] { return Status().MediaState == kMediaConnected; }, timeout);
}

LinkReport SimLibrary::WaitVerdict(std::chrono::milliseconds timeout) const {
  LinkReport report;
  WaitUntil(
      [&] {
        report = Report();
        return report.state == LinkState::kConnected || report.rejections > 0 ||
               (report.state == LinkState::kSearching && report.attempts > 0);
      },
      timeout);
  return report;
}

WLProfile StationProfile(const std::string& ssid) {
  WLProfile profile{};
  CopyText(profile.ProfileName, "Test " + ssid);
  CopyText(profile.Ssid1, ssid);
  profile.NetworkMode = 1;
  profile.ABGMode = 34;
  profile.TxRate = 15;
  profile.WEPKeyFormat = 1;
  profile.AuthenticationMode = 2;
  profile.WPAEncryptionType = 1;
  return profile;
}

std::string SsidOf(const SiteSurveyEntry& entry) {
  return {reinterpret_cast<const char*>(entry.Ssid),
          static_cast<std::size_t>(std::clamp(entry.SsidLength, 0, 32))};
}
