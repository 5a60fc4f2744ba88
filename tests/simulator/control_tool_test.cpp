// The orvwl-sim tool against a loaded library: plug and unplug with the
// device event a running utility hears, networks, and injected faults.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/notify_channel.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"

namespace {

using std::chrono::milliseconds;

int32_t Detect(const OrvwlApi& api) {
  DeviceEntry entry{};
  std::strcpy(entry.HardwareId, "SIM\\ORVWL_0001");
  return api.ORVWL_DevDetect(&entry);
}

bool Heard(const std::vector<SiteSurveyEntry>& entries, const std::string& ssid) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const SiteSurveyEntry& e) { return SsidOf(e) == ssid; });
}

TEST(ControlToolTest, UnplugAndPlugReachTheLibraryAndTheRunningUtility) {
  SimLibrary sim;
  const std::string root = "OrvSimTest" + std::to_string(::getpid());
  std::mutex mutex;
  std::vector<ChannelMessage> heard;
  ChannelListener listener(RegisterNotifyChannel(root + "_NotifyMsg"),
                           [&](const ChannelMessage& message, Event&) {
                             std::lock_guard lock(mutex);
                             heard.push_back(message);
                           });
  ASSERT_TRUE(listener.IsListening());
  ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
  ASSERT_TRUE(sim.WaitConnected());

  ASSERT_EQ(sim.Tool({"--root", root, "unplug"}), 0);
  EXPECT_EQ(Detect(sim.Api()), 0);
  uint8_t mac[6];
  EXPECT_NE(sim.Api().ORVWL_QueryOID(kOid8023CurrentAddress, mac, 6, nullptr), 0);
  EXPECT_EQ(sim.Api().ORVWL_SiteSurveyScan(), 0);

  ASSERT_EQ(sim.Tool({"--root", root, "plug"}), 0);
  EXPECT_EQ(Detect(sim.Api()), 1);
  EXPECT_EQ(sim.Status().MediaState, kMediaDisconnected) << "a new device starts unconnected";
  ASSERT_EQ(sim.Tool({"--root", root, "resume"}), 0);

  std::lock_guard lock(mutex);
  ASSERT_EQ(heard.size(), 3u);
  for (std::size_t i = 0; i < heard.size(); ++i) {
    EXPECT_EQ(heard[i].kind, ChannelMessage::kDeviceEvent);
    EXPECT_EQ(heard[i].code, i < 2 ? 1 : 2);
  }
}

TEST(ControlToolTest, NetworksComeAndGoAndBadCommandsAreRefused) {
  SimLibrary sim;
  ASSERT_EQ(sim.Tool({"add-network", "Cafe 2", "channel=9", "security=20", "passphrase=coffee4all",
                      "signal=-61"}),
            0);
  ASSERT_EQ(sim.Tool({"remove-network", "OrvWPA"}), 0);
  auto entries = sim.ScanNow();
  EXPECT_TRUE(Heard(entries, "Cafe 2"));
  EXPECT_FALSE(Heard(entries, "OrvWPA"));
  ASSERT_EQ(sim.Tool({"add-network", "OrvWPA"}), 0);
  ASSERT_EQ(sim.Tool({"remove-network", "Cafe 2"}), 0);
  entries = sim.ScanNow();
  EXPECT_FALSE(Heard(entries, "Cafe 2"));
  EXPECT_TRUE(Heard(entries, "OrvWPA"));

  const std::vector<std::vector<std::string>> refused = {
      {"launch"},
      {"add-network", "Bad", "security=21"},
      {"add-network", "Bad", "channel=36", "radio=b"},
      {"add-station", "01:00:5E:00:00:01"},
      {"fault", "DevDetect", "count", "3"},
      {"fault", "NoSuchCall", "fail"},
      {"traffic", "fast"},
      {"closer", "100"},
  };
  for (const auto& args : refused) EXPECT_EQ(sim.Tool(args), 2) << args[0];
  EXPECT_EQ(sim.Tool({"status"}), 0);
  EXPECT_EQ(sim.Tool({"help"}), 0);
}

TEST(ControlToolTest, InjectedFaultsShowOnceEachAndThenClear) {
  SimLibrary sim;
  const OrvwlApi& api = sim.Api();
  sim.ScanNow();

  ASSERT_EQ(sim.Tool({"fault", "DevDetect", "fail"}), 0);
  EXPECT_EQ(Detect(api), 0);
  EXPECT_EQ(Detect(api), 1) << "one failing call by default";

  ASSERT_EQ(sim.Tool({"fault", "ORVWL_GetWLANStatus", "hang", "200"}), 0);
  const auto start = std::chrono::steady_clock::now();
  sim.Status();
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(200));

  ASSERT_EQ(sim.Tool({"fault", "SiteSurveyGet", "count", "300"}), 0);
  struct {
    SurveyBuffer survey;
    uint8_t guard[64];
  } buffer;
  std::memset(&buffer, 0xEE, sizeof buffer);
  api.ORVWL_SiteSurveyGet(&buffer.survey, sizeof buffer.survey);
  EXPECT_EQ(buffer.survey.Count, 300);
  EXPECT_GT(buffer.survey.Entries[0].SsidLength, 0) << "the real entries are still there";
  EXPECT_EQ(buffer.guard[0], 0xEE);

  ASSERT_EQ(sim.Tool({"fault", "SiteSurveyGet", "garbage", "always"}), 0);
  for (int i = 0; i < 2; ++i) {
    std::memset(&buffer, 0xEE, sizeof buffer);
    api.ORVWL_SiteSurveyGet(&buffer.survey, sizeof buffer.survey);
    EXPECT_EQ(buffer.guard[63], 0xEE);
  }
  ASSERT_EQ(sim.Tool({"fault", "clear"}), 0);
  EXPECT_FALSE(sim.Survey().empty());
  EXPECT_LE(sim.Survey().size(), 20u);

  ASSERT_EQ(sim.Tool({"fault", "QueryOID", "fail", "2"}), 0);
  int32_t media = 0;
  EXPECT_NE(api.ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, 4, nullptr), 0);
  EXPECT_NE(api.ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, 4, nullptr), 0);
  EXPECT_EQ(api.ORVWL_QueryOID(kOidGenMediaConnectStatus, &media, 4, nullptr), 0);
}

TEST(ControlToolTest, AStuckCallAnswersOnlyOnceTheFaultIsCleared) {
  SimLibrary sim;
  ASSERT_EQ(sim.Tool({"fault", "GetWLANStatus", "stuck"}), 0);
  std::atomic<bool> answered{false};
  std::thread caller([&] {
    sim.Status();
    answered = true;
  });
  // The tool's own calls go on while one call is stuck.
  ASSERT_EQ(sim.Tool({"closer"}), 0);
  EXPECT_FALSE(WaitUntil([&] { return answered.load(); }, milliseconds(300)));
  ASSERT_EQ(sim.Tool({"fault", "clear"}), 0);
  EXPECT_TRUE(WaitUntil([&] { return answered.load(); }));
  caller.join();
}

TEST(ControlToolTest, ResetForgetsEveryChange) {
  SimLibrary sim;
  ASSERT_EQ(sim.Tool({"unplug"}), 0) << "no utility listening is no error";
  ASSERT_EQ(sim.Tool({"remove-network", "OrvOpen"}), 0);
  ASSERT_EQ(sim.Tool({"reset"}), 0);
  EXPECT_EQ(Detect(sim.Api()), 1);
  EXPECT_TRUE(Heard(sim.ScanNow(), "OrvOpen"));
}

// A name is any 32 bytes: status shows every one escaped on its own line, so
// a NUL neither ends the output nor a CR or LF splits a line.
TEST(ControlToolTest, StatusShowsEveryHostileNameEscaped) {
  const std::string scenario = SimLibrary::FastScenario(
      "[network]\nssid = \"Nul\\x00Inside\"\nchannel = 1\n"
      "[network]\nssid = \"CR\\r\\nLF\"\nchannel = 6\n"
      "[network]\nssid = \"\\xFF\\xFE\"\nchannel = 11\n"
      "[network]\nssid = \"%s%n\"\nchannel = 3\n"
      "[network]\nssid = \"Cut\\x00\"\nbogus\x01key = 1\n");
  SimLibrary sim(scenario);
  ASSERT_EQ(sim.Tool({"add-network", "Added\\x0D\\x0A\\x00"}), 0);
  ASSERT_EQ(sim.Tool({"remove-network", "Gone\\x00"}), 0);
  const std::string back = sim.ToolOutput({"add-network", "Gone\\x00"});
  EXPECT_EQ(back, "network Gone\\x00 is back\n");

  const std::string out = sim.ToolOutput({"status"});
  for (const char* shown : {"Nul\\x00Inside", "CR\\x0D\\x0ALF", "\\xFF\\xFE", "%s%n",
                            "Added\\x0D\\x0A\\x00", "bogus\\x01key"}) {
    EXPECT_NE(out.find(shown), std::string::npos) << shown;
  }
  EXPECT_EQ(out.find('\0'), std::string::npos);
  EXPECT_EQ(out.find('\r'), std::string::npos);
  for (char c : out) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
  EXPECT_NE(out.find("processes:"), std::string::npos) << "the output goes on to its end";
}

}  // namespace
