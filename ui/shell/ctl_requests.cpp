#include "ui/shell/ctl_requests.h"

#include <cstring>

#include "adapter/ctl_records.h"
#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "platform/event.h"
#include "platform/text.h"
#include "ui/shell/form_main.h"
#include "ui/shell/qt_window_thread.h"

namespace {

using std::chrono::milliseconds;

// The survey page's own wait between starting a scan and reading it.
constexpr milliseconds kSurveyResultDelay{3000};
constexpr milliseconds kPollInterval{250};
constexpr milliseconds kDisconnectTimeout{10000};

std::string Message(const char* key, const char* english) {
  return FAGlobal().TextRead("Ctl", key, english);
}

ctl::Reply Failure(int result, std::string message) {
  ctl::Reply reply;
  reply.result = result;
  reply.message = std::move(message);
  return reply;
}

const char* ModeName(int mode) {
  return mode == TFormMain::kModeStation ? "station" : "access point";
}

bool Associated(const WLANStatus& status) { return status.MediaState == kMediaConnected; }

bool SameSsid(const WLANStatus& status, const WLProfile& profile) {
  const std::string_view wanted = TextOf(profile.Ssid1);
  const auto length = static_cast<std::size_t>(status.SsidLength);
  return length <= sizeof status.Ssid && wanted.size() == length &&
         std::memcmp(status.Ssid, wanted.data(), length) == 0;
}

// Sleeps on the request's thread, but not past a stop request.
bool Pause(milliseconds duration, Event& stop) {
  if (!stop.Wait(duration)) return true;
  stop.Set();
  return false;
}

}  // namespace

CtlRequests::CtlRequests(TFormMain* window)
    : thread_(std::make_shared<QtWindowThread>()), window_(window) {}

CtlRequests::~CtlRequests() = default;

std::string CtlRequests::Handle(const std::string& request, Event& stop) {
  std::vector<std::string> words;
  const ctl::Reply reply =
      ctl::DecodeRequest(request, words)
          ? Answer(words, stop)
          : Failure(ctl::kUsage, Message("BadRequest", "The utility does not know this request."));
  return ctl::EncodeReply(reply);
}

ctl::Reply CtlRequests::Answer(const std::vector<std::string>& words, Event& stop) {
  const std::string& command = words.front();
  if (words.size() == 1 && command == "status") return Status(stop);
  if (words.size() == 1 && command == "scan") return Scan(stop);
  if (words.size() == 1 && command == "profiles") return Profiles(stop);
  if (words.size() == 1 && command == "disconnect") return Disconnect(stop);
  if (words.size() == 2 && command == "ap" && words[1] == "status") return APStatus(stop);
  if (words.size() == 3 && command == "connect") {
    char* end = nullptr;
    const long long ms = std::strtoll(words[2].c_str(), &end, 10);
    if (end != nullptr && *end == '\0' && ms > 0) return Connect(words[1], milliseconds(ms), stop);
  }
  return Failure(ctl::kUsage, Message("BadRequest", "The utility does not know this request."));
}

bool CtlRequests::WithAdapter(const AdapterWork& work, ctl::Reply& reply, Event& stop) {
  bool bound = false;
  const bool ran = thread_->RunSync(
      [&] {
        TFormMain* window = window_.data();
        CNICAdapter* adapter = window != nullptr ? window->Adapter() : nullptr;
        if (adapter == nullptr || window->RemovalInProgress()) return;
        bound = true;
        work(*window, *adapter, reply);
      },
      stop);
  if (!ran) {
    reply = Failure(ctl::kFailed, Message("Closing", "The utility is closing."));
    return false;
  }
  if (!bound) {
    reply = Failure(ctl::kNoAdapter, Message("NoAdapter", "No adapter is bound."));
    return false;
  }
  return reply.result == ctl::kOk;
}

bool CtlRequests::WaitFor(const std::function<bool(CNICAdapter&)>& done, milliseconds timeout,
                          ctl::Reply& reply, Event& stop) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    bool reached = false;
    if (!WithAdapter(
            [&](TFormMain&, CNICAdapter& adapter, ctl::Reply&) { reached = done(adapter); }, reply,
            stop)) {
      return false;
    }
    if (reached) return true;
    if (std::chrono::steady_clock::now() >= end || !Pause(kPollInterval, stop)) return false;
  }
}

ctl::Reply CtlRequests::Status(Event& stop) {
  ctl::Reply reply;
  WithAdapter(
      [](TFormMain& window, CNICAdapter& adapter, ctl::Reply& out) {
        WLANStatus status{};
        NetworkInfo info{};
        adapter.GetStatus(status);
        adapter.GetIPInfo(info);
        out.fields = {ctl::Text("mode", ModeName(window.FuncMode())),
                      ctl::Text("adapter", std::string(TextOf(adapter.Ident().Description))),
                      ctl::Text("mac", adapter.MacText()),
                      ctl::Bool("zero_config", adapter.ZeroCfgEnabled())};
        WLProfile applied{};
        if (adapter.GetAppliedProfile(applied) &&
            std::strcmp(applied.ProfileName, kEditingProfileName) != 0) {
          out.fields.push_back(ctl::Text("profile", std::string(TextOf(applied.ProfileName))));
        }
        for (ctl::Value& value : ctl::LinkRecord(status, info, WLLib())) {
          out.fields.push_back(std::move(value));
        }
      },
      reply, stop);
  return reply;
}

ctl::Reply CtlRequests::Scan(Event& stop) {
  ctl::Reply reply;
  const auto station = [](TFormMain& window, CNICAdapter&, ctl::Reply& out) {
    if (window.FuncMode() != TFormMain::kModeStation) {
      out = Failure(ctl::kWrongMode, Message("NotStation", "The adapter is not in station mode."));
    }
  };
  if (!WithAdapter(
          [&](TFormMain& window, CNICAdapter& adapter, ctl::Reply& out) {
            station(window, adapter, out);
            if (out.result == ctl::kOk) adapter.StartSiteSurvey();
          },
          reply, stop)) {
    return reply;
  }
  if (!Pause(kSurveyResultDelay, stop)) {
    return Failure(ctl::kFailed, Message("Closing", "The utility is closing."));
  }
  WithAdapter(
      [&](TFormMain& window, CNICAdapter& adapter, ctl::Reply& out) {
        station(window, adapter, out);
        if (out.result != ctl::kOk) return;
        std::vector<SiteSurveyEntry> sites;
        adapter.GetSiteList(sites);
        out.listName = "networks";
        for (const SiteSurveyEntry& site : sites)
          out.items.push_back(ctl::SiteRecord(site, WLLib()));
      },
      reply, stop);
  return reply;
}

ctl::Reply CtlRequests::Profiles(Event& stop) {
  ctl::Reply reply;
  WithAdapter(
      [](TFormMain&, CNICAdapter& adapter, ctl::Reply& out) {
        std::vector<WLProfile> profiles;
        adapter.GetProfileList(0, profiles);
        WLProfile applied{};
        const bool known = adapter.GetAppliedProfile(applied);
        out.listName = "profiles";
        for (const WLProfile& profile : profiles) {
          const bool isApplied = known && std::memcmp(&profile, &applied, sizeof profile) == 0;
          out.items.push_back(ctl::ProfileRecord(profile, isApplied));
        }
      },
      reply, stop);
  return reply;
}

ctl::Reply CtlRequests::Connect(const std::string& name, milliseconds timeout, Event& stop) {
  ctl::Reply reply;
  WLProfile chosen{};
  // The profile page's Activate: the listed profile, handed to the manager.
  if (!WithAdapter(
          [&](TFormMain& window, CNICAdapter& adapter, ctl::Reply& out) {
            if (window.FuncMode() != TFormMain::kModeStation) {
              out = Failure(ctl::kWrongMode,
                            Message("NotStation", "The adapter is not in station mode."));
              return;
            }
            if (adapter.ZeroCfgEnabled()) {
              out = Failure(ctl::kFailed, Message("ZeroCfg",
                                                  "The system's zero-configuration service manages "
                                                  "the adapter."));
              return;
            }
            std::vector<WLProfile> profiles;
            adapter.GetProfileList(0, profiles);
            for (const WLProfile& profile : profiles) {
              if (TextOf(profile.ProfileName) != name) continue;
              chosen = profile;
              adapter.Connect(profile);
              return;
            }
            out = Failure(
                ctl::kNoProfile,
                FormatText(Message("NoProfile", "No profile named '%s'.").c_str(), name.c_str()));
          },
          reply, stop)) {
    return reply;
  }
  const bool associated = WaitFor(
      [&](CNICAdapter& adapter) {
        WLANStatus status{};
        WLProfile applied{};
        adapter.GetStatus(status);
        return adapter.GetAppliedProfile(applied) &&
               std::memcmp(&applied, &chosen, sizeof chosen) == 0 && Associated(status) &&
               SameSsid(status, chosen);
      },
      timeout, reply, stop);
  if (associated) return Status(stop);
  if (reply.result != ctl::kOk) return reply;
  const auto seconds = static_cast<int>((timeout.count() + 999) / 1000);
  return Failure(
      ctl::kConnectFailed,
      FormatText(Message("ConnectFailed", "Not associated with '%s' within %d s.").c_str(),
                 name.c_str(), seconds));
}

ctl::Reply CtlRequests::Disconnect(Event& stop) {
  ctl::Reply reply;
  if (!WithAdapter([](TFormMain&, CNICAdapter& adapter, ctl::Reply&) { adapter.Disconnect(); },
                   reply, stop)) {
    return reply;
  }
  const bool left = WaitFor(
      [](CNICAdapter& adapter) {
        WLANStatus status{};
        adapter.GetStatus(status);
        return !Associated(status);
      },
      kDisconnectTimeout, reply, stop);
  if (left) return Status(stop);
  if (reply.result != ctl::kOk) return reply;
  return Failure(ctl::kFailed, Message("StillAssociated", "The adapter is still associated."));
}

ctl::Reply CtlRequests::APStatus(Event& stop) {
  ctl::Reply reply;
  WithAdapter(
      [](TFormMain& window, CNICAdapter& adapter, ctl::Reply& out) {
        if (window.FuncMode() != TFormMain::kModeAccessPoint) {
          out = Failure(ctl::kWrongMode,
                        Message("NotAccessPoint", "The adapter is not in access-point mode."));
          return;
        }
        WLANStatus status{};
        NetworkInfo info{};
        adapter.GetStatus(status);
        adapter.GetIPInfo(info);
        out.fields = {ctl::Text("mode", ModeName(window.FuncMode())),
                      ctl::Text("mac", adapter.MacText())};
        for (ctl::Value& value : ctl::LinkRecord(status, info, WLLib())) {
          if (value.key == "associated") value.key = "active";
          out.fields.push_back(std::move(value));
        }
        std::vector<APStation> stations;
        if (Associated(status)) adapter.GetStationList(stations);
        out.listName = "stations";
        for (const APStation& station : stations) out.items.push_back(ctl::StationRecord(station));
      },
      reply, stop);
  return reply;
}
