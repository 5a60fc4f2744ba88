#include "tests/ui/station/fake_link_adapter.h"

#include <QTest>
#include <cstring>
#include <mutex>

#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "tests/adapter/fake_library.h"

namespace {

using std::chrono::milliseconds;

constexpr int kWait = 5000;

// What the fake library answers; guarded, since the worker reads it.
struct Reported {
  std::mutex mutex;
  WLANStatus status = [] {
    WLANStatus idle{};
    idle.MediaState = kMediaDisconnected;
    return idle;
  }();
  NetworkInfo info{};
};
Reported* g_reported = nullptr;

int32_t ReportedQueryOID(uint32_t oid, void* buffer, uint32_t length, uint32_t* written) {
  if (oid == kOidGenMediaConnectStatus && length >= sizeof(int32_t)) {
    std::lock_guard lock(g_reported->mutex);
    std::memcpy(buffer, &g_reported->status.MediaState, sizeof(int32_t));
    if (written != nullptr) *written = sizeof(int32_t);
  }
  return 0;
}

int32_t ReportedStatus(int32_t* more, WLANStatus* status) {
  std::lock_guard lock(g_reported->mutex);
  *more = 0;
  *status = g_reported->status;
  return 1;
}

int32_t ReportedNetworkInfo(NetworkInfo* info) {
  std::lock_guard lock(g_reported->mutex);
  *info = g_reported->info;
  return 1;
}

}  // namespace

// Counts the status notifications; the test tells the page itself.
class FakeLinkAdapter::Recorder : public Notifier {
 public:
  void Post(int code, intptr_t) override {
    if (code == PM_STATUS) ++statuses;
  }
  intptr_t Send(int, intptr_t, Event&) override { return 0; }

  std::atomic<int> statuses{0};
};

FakeLinkAdapter::FakeLinkAdapter() : notifier_(std::make_shared<Recorder>()) {
  static Reported reported;
  {
    std::lock_guard lock(reported.mutex);
    reported.status = WLANStatus{};
    reported.status.MediaState = kMediaDisconnected;
    reported.info = NetworkInfo{};
  }
  g_reported = &reported;
  ResetCallCounts();
  OrvwlApi api = MakeCountingTable();
  api.ORVWL_QueryOID = &ReportedQueryOID;
  api.ORVWL_GetWLANStatus = &ReportedStatus;
  api.ORVWL_GetNetworkInfo = &ReportedNetworkInfo;
  library_.Use(api);

  AdapterIdent ident{};
  CopyText(ident.Description, "Fake link adapter");
  CopyText(ident.HardwareId, "FAKE\\LINK_0001");
  CopyText(ident.Tag, kAdapterIdentTag);
  CNICAdapter::Dependencies deps;
  deps.library = &library_;
  deps.timing.firstCollect = milliseconds(1);
  deps.timing.collect = milliseconds(2);
  deps.timing.afterConnect = milliseconds(1);
  deps.timing.detectRetry = milliseconds(1);
  deps.timing.afterRelease = milliseconds(1);
  adapter_ = std::make_unique<CNICAdapter>(notifier_, 0, ident, deps);
}

FakeLinkAdapter::~FakeLinkAdapter() { adapter_.reset(); }

bool FakeLinkAdapter::Report(const WLANStatus& status, const NetworkInfo& info) {
  {
    std::lock_guard lock(g_reported->mutex);
    g_reported->status = status;
    g_reported->info = info;
  }
  // A collection running now may have read the old values; the one after it has not.
  const int target = notifier_->statuses + 2;
  return QTest::qWaitFor([&] { return notifier_->statuses >= target; }, kWait);
}

bool FakeLinkAdapter::Apply(const WLProfile& profile) {
  adapter_->Connect(profile);
  return QTest::qWaitFor(
      [&] {
        WLProfile applied{};
        return adapter_->GetAppliedProfile(applied) &&
               std::memcmp(&applied, &profile, sizeof profile) == 0;
      },
      kWait);
}

int FakeLinkAdapter::Calls(const char* entryPoint) { return CallCount(entryPoint); }

WLANStatus FakeLinkAdapter::Associated() {
  WLANStatus s{};
  const uint8_t bssid[6] = {0x00, 0x0E, 0x2E, 0x10, 0xA0, 0x0F};
  std::memcpy(s.Bssid, bssid, sizeof bssid);
  const char ssid[] = "OrvHome";
  s.SsidLength = static_cast<int32_t>(std::strlen(ssid));
  std::memcpy(s.Ssid, ssid, std::strlen(ssid));
  s.Signal = -52;
  s.NetworkType = 1;
  s.Frequency = 5180000;
  s.AuthenticationMode = 0;
  s.RxPackets = 5000000000ULL;
  s.TxPackets = 1234;
  s.RxBytes = 1000;
  s.TxBytes = 5000;
  s.SecurityMode = 6;
  s.Radio = 2;
  s.TxRate = 108;
  s.MediaState = kMediaConnected;
  s.LinkQuality = -55;
  return s;
}

NetworkInfo FakeLinkAdapter::WithAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  NetworkInfo info{};
  info.NI_IpAddr = IPData{{a, b, c, d}};
  return info;
}
