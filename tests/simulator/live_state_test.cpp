// What the library in a running process publishes and orvwl-sim status
// shows of it: the association and the soft access point, names with any
// byte, processes that ended without unloading it, and records that are
// never seen half written.

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/text.h"
#include "simulator/file_util.h"
#include "simulator/live_state.h"
#include "tests/simulator/sim_library.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

using namespace orvsim;

namespace {

using std::chrono::milliseconds;

std::string Contained(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos ? part : "not found in:\n" + text;
}

std::optional<LiveEntry> EntryOf(const std::string& home, int pid) {
  for (const LiveEntry& entry : CollectLiveRecords(home)) {
    if (entry.record.process.pid == pid) return entry;
  }
  return std::nullopt;
}

std::optional<LiveEntry> OtherProcess(const std::string& home) {
  for (const LiveEntry& entry : CollectLiveRecords(home)) {
    if (entry.record.process.pid != ::getpid()) return entry;
  }
  return std::nullopt;
}

std::string Mbits(uint8_t txRate) {
  return txRate % 2 == 0 ? std::to_string(txRate / 2) + " Mbit/s"
                         : std::to_string(txRate / 2) + ".5 Mbit/s";
}

TEST(LiveStateTest, AnAssociationShowsInStatusUntilTheLibraryIsUnloaded) {
  std::string file;
  {
    SimLibrary sim;
    file = sim.LiveFile();
    std::string out = sim.ToolOutput({"status"});
    EXPECT_EQ(Contained(out, "association:  not associated"), "association:  not associated");
    EXPECT_EQ(Contained(out, "last scan:    none"), "last scan:    none");

    ASSERT_EQ(sim.Apply(StationProfile("OrvOpen")), 1);
    ASSERT_TRUE(sim.WaitConnected());
    sim.ScanNow();
    const WLANStatus s = sim.Status();
    MacAddress bssid;
    std::copy(std::begin(s.Bssid), std::end(s.Bssid), bssid.begin());
    const std::string link = "association:  OrvOpen  " + FormatMac(bssid) + "  ch " +
                             std::to_string(sim.Api().ORVWL_FrequencyToChannel(s.Frequency)) +
                             ", open, " + Mbits(s.TxRate);
    out = sim.ToolOutput({"status"});
    const std::string pid = "pid " + std::to_string(::getpid());
    EXPECT_EQ(Contained(out, pid + " ("), pid + " (");
    EXPECT_EQ(Contained(out, "profile:      Test OrvOpen"), "profile:      Test OrvOpen");
    EXPECT_EQ(Contained(out, link), link);
    EXPECT_EQ(Contained(out, "access point: not running"), "access point: not running");
    EXPECT_EQ(out.find("last scan:    none"), std::string::npos);
    EXPECT_EQ(out.find("stale"), std::string::npos);

    ASSERT_EQ(sim.Api().ORVWL_Disconnect(), 1);
    const auto record = EntryOf(sim.Home(), ::getpid());
    ASSERT_TRUE(record);
    EXPECT_FALSE(record->record.state.association) << "the file follows the change at once";
    EXPECT_TRUE(record->record.state.profile.empty());
  }
  EXPECT_FALSE(FileExists(file)) << "unloading the library takes its record away";
}

TEST(LiveStateTest, TheSoftAccessPointShowsWithItsStations) {
  // The built-in scenario's four stations arrive within a second and stay;
  // the first two hold the access point's key.
  SimLibrary sim(SimLibrary::ManualClock("station_stay_ms = 100000\nstation_away_ms = 1000\n"));
  WLProfile ap = StationProfile("OrvSoftAP");
  ap.FuncMode = 1;
  ap.Channel = 11;
  ap.ABGMode = 3;
  ap.ApSSIDHide = 1;
  ap.EncryptionMethod = 6;
  CopyText(ap.WPAPassphrase, "orvane-hotspot");
  ap.APMacFilterMode = 2;
  const uint8_t rejected[6] = {0x02, 0x4F, 0x52, 0x56, 0x00, 0x02};
  std::copy(std::begin(rejected), std::end(rejected), ap.APMacFilter[0]);
  ASSERT_EQ(sim.Apply(ap), 1);
  sim.Advance(1001);
  // The first station's key is derived in real time.
  StationBuffer stations;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (sim.Api().ORVWL_GetAPStationList(&stations) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    sim.Advance(1);
  }
  ASSERT_EQ(sim.Api().ORVWL_GetAPStationList(&stations), 1);
  const std::string out = sim.ToolOutput({"status"});
  const std::string line =
      "access point: OrvSoftAP  ch 11, hidden, WPA2-PSK, MAC filter rejects listed, 1 station(s)\n"
      "                  02:4F:52:56:00:01\n";
  EXPECT_EQ(Contained(out, line), line);
  EXPECT_EQ(Contained(out, "association:  not associated"), "association:  not associated");
}

TEST(LiveStateTest, NamesWithAnyByteAreEscaped) {
  SimLibrary sim;
  const std::string ssid = "Caf\xC3\xA9\r\nX=1\xFF\\";
  const std::string escaped = "Caf\\xC3\\xA9\\x0D\\x0AX=1\\xFF\\\\";
  ASSERT_EQ(sim.Tool({"add-network", escaped, "channel=11", "signal=-40"}), 0);
  ASSERT_EQ(sim.Apply(StationProfile(ssid)), 1);
  ASSERT_TRUE(sim.WaitConnected()) << "the tool decodes \\xHH into the bytes";

  const std::string out = sim.ToolOutput({"status"});
  EXPECT_EQ(Contained(out, "association:  " + escaped + "  "), "association:  " + escaped + "  ");
  EXPECT_EQ(Contained(out, "profile:      Test " + escaped), "profile:      Test " + escaped);
  EXPECT_EQ(Contained(out, "  " + escaped + " 02:"), "  " + escaped + " 02:")
      << "the scenario's list escapes the same way";
  for (char c : out) {
    const auto byte = static_cast<unsigned char>(c);
    EXPECT_TRUE(c == '\n' || (byte >= 0x20 && byte < 0x7F)) << "byte " << int{byte};
  }
  const auto record = ParseLiveRecord(ReadFile(sim.LiveFile()));
  ASSERT_TRUE(record);
  ASSERT_TRUE(record->state.association);
  EXPECT_EQ(record->state.association->ssid, ssid) << "the file keeps the bytes";
}

class OtherProcessTest : public ::testing::Test {
 protected:
  std::vector<std::string> Env() const {
    return {"ORVWL_SIM_HOME=" + sim.Home(), "ORVWL_SIM_SCENARIO=" + sim.Folder() + "/scenario.sim"};
  }
  std::string Library() const { return sim.Folder() + "/ORVWL.DLL"; }
  std::optional<LiveEntry> AwaitConnectedChild() const {
    std::optional<LiveEntry> child;
    WaitUntil([&] {
      child = OtherProcess(sim.Home());
      return child && child->record.state.association;
    });
    return child;
  }

  SimLibrary sim;
  const std::string childProgram = std::string(ORV_TEST_BIN_DIR) + "/sim_live_child";
};

TEST_F(OtherProcessTest, ADeadProcessIsReportedStaleOnceAndThenForgotten) {
  ChildProcess child(childProgram, {Library(), "stay"}, Env());
  const auto entry = AwaitConnectedChild();
  ASSERT_TRUE(entry) << "the child's record shows its association";
  EXPECT_FALSE(entry->stale);
  EXPECT_EQ(entry->record.state.profile, "Child");
  EXPECT_EQ(child.Wait(milliseconds(0)), -1) << "killed, it unloads nothing";

  const auto dead = EntryOf(sim.Home(), entry->record.process.pid);
  ASSERT_TRUE(dead);
  EXPECT_TRUE(dead->stale);
  const std::string pid = "pid " + std::to_string(entry->record.process.pid);
  std::string out = sim.ToolOutput({"status"});
  EXPECT_EQ(Contained(out, pid), pid);
  const std::string line = out.substr(out.find(pid), out.find('\n', out.find(pid)) - out.find(pid));
  EXPECT_NE(line.find("[stale"), std::string::npos) << line;
  out = sim.ToolOutput({"status"});
  EXPECT_EQ(out.find(pid), std::string::npos) << "reported once, then removed";
}

TEST_F(OtherProcessTest, AProcessThatEndsNormallyTakesItsRecordAway) {
  const std::string go = sim.Folder() + "/go";
  ChildProcess child(childProgram, {Library(), "exit", go}, Env());
  const auto entry = AwaitConnectedChild();
  ASSERT_TRUE(entry);
  WriteFile(go, "");
  EXPECT_EQ(child.Wait(), 0);
  EXPECT_FALSE(EntryOf(sim.Home(), entry->record.process.pid));
}

TEST(LivePublisherTest, ARecordIsWrittenOnlyOnChangeAndNeverSeenHalfWritten) {
  TempDir home;
  LivePublisher publisher(home.Path());
  LiveState small;
  small.device = "plugged in";
  LiveState large = small;
  large.profile = std::string(200, 'p');
  large.accessPoint = LiveAccessPoint{std::string(32, 's'), false, 6, 0, 0, {}};
  for (uint8_t i = 0; i < 200; ++i) large.accessPoint->stations.push_back({2, 0, 0, 0, 1, i});

  publisher.Publish(small, 1000);
  const FileStamp first = StampOf(publisher.Path());
  publisher.Publish(small, 2000);
  EXPECT_EQ(StampOf(publisher.Path()), first) << "an unchanged state is not written again";

  std::atomic<bool> done{false};
  std::atomic<int> reads{0};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done) {
      const auto text = ReadWholeFile(publisher.Path());
      if (!text) continue;
      const auto record = ParseLiveRecord(*text);
      if (!record || !(record->state == small || record->state == large)) ++torn;
      ++reads;
    }
  });
  for (int i = 0; i < 1000; ++i) publisher.Publish(i % 2 == 0 ? large : small, 3000 + i);
  WaitUntil([&] { return reads > 100; });
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(reads, 0);
}

}  // namespace
