#include "adapter/thread_ip_addr.h"

#include <optional>
#include <vector>

#include "platform/debug_log.h"
#include "platform/ip_helper.h"
#include "platform/text.h"

namespace {

// The first call has room for one adapter; a second call gets the room the
// first one reported.
constexpr std::size_t kFirstAdapterRoom = 1;

// The index of the first adapter whose description contains the lower-case name.
std::optional<uint32_t> FindAdapterIndex(IpHelper& helper, const std::string& name) {
  // Every description contains the empty text; that must not pick some other adapter.
  if (name.empty()) return std::nullopt;
  std::vector<IpAdapterInfo> adapters(kFirstAdapterRoom);
  std::size_t count = 0;
  uint32_t result = helper.GetAdaptersInfo(adapters, count);
  if (result != IpHelper::kNoError) {
    adapters.resize(count);
    result = helper.GetAdaptersInfo(adapters, count);
  }
  if (result != IpHelper::kNoError) return std::nullopt;
  for (std::size_t i = 0; i < count && i < adapters.size(); ++i) {
    if (LowerAscii(adapters[i].Description).find(name) != std::string::npos) {
      return adapters[i].Index;
    }
  }
  return std::nullopt;
}

void Execute(const std::string& nicName, int flags, IpHelper& helper) {
  try {
    const std::string name = LowerAscii(nicName);
    const std::optional<uint32_t> index = FindAdapterIndex(helper, name);
    if (!index) {
      DebugLog("get NIC index failed");
      return;
    }
    std::size_t count = 0;
    if (helper.GetInterfaceInfo({}, count) != IpHelper::kErrorInsufficientBuffer) {
      DebugLog("GetInterfaceInfo get required failed");
      return;
    }
    std::vector<IpInterfaceEntry> table(count);
    if (helper.GetInterfaceInfo(table, count) != IpHelper::kNoError) {
      DebugLog("GetInterfaceInfo failed");
      return;
    }
    for (std::size_t i = 0; i < count && i < table.size(); ++i) {
      if (table[i].Index != *index) continue;
      if (flags & ThreadIPAddr::kRelease) {
        DebugLog("IP release");
        helper.IpReleaseAddress(table[i]);
        DebugLog("IP release done");
      }
      if (flags & ThreadIPAddr::kRenew) {
        DebugLog("IP renew");
        helper.IpRenewAddress(table[i]);
        DebugLog("IP renew done");
      }
      return;
    }
  } catch (...) {
    DebugLog("Exception(ThreadIPAddr::Execute)");
  }
}

}  // namespace

ThreadIPAddr::ThreadIPAddr(std::string nicName, int flags, std::shared_ptr<IpHelper> ipHelper)
    : ThreadIPAddr(std::move(nicName), flags, std::move(ipHelper), Timing{}) {}

ThreadIPAddr::ThreadIPAddr(std::string nicName, int flags, std::shared_ptr<IpHelper> ipHelper,
                           Timing timing)
    : timing_(timing), done_(std::make_shared<Event>()) {
  thread_ =
      std::thread([name = std::move(nicName), flags, helper = std::move(ipHelper), done = done_] {
        Execute(name, flags, *helper);
        done->Set();
      });
}

ThreadIPAddr::~ThreadIPAddr() {
  DebugLog("wait IPAddr Thread");
  if (done_->Wait(timing_.stopWait)) {
    thread_.join();
  } else {
    // A DHCP client that takes its time: the thread owns what it still uses.
    DebugLog(" TerminateThread");
    thread_.detach();
  }
  DebugLog("stop IPAddr Thread");
}

IpRenewalStarter MakeIpRenewalStarter() {
  return [helper = MakeSystemIpHelper()](const std::string& nicName,
                                         int flags) -> std::unique_ptr<IpRenewalThread> {
    return std::make_unique<ThreadIPAddr>(nicName, flags, helper);
  };
}
