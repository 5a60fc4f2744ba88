#include "platform/ip_helper.h"

#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>

#include "platform/debug_log.h"

extern char** environ;

namespace {

// A network interface with the description users can match a name against.
struct NetInterface {
  uint32_t index;
  std::string name;
  std::string description;
};

std::string FirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

std::string UeventValue(const std::string& path, std::string_view key) {
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 &&
        line[key.size()] == '=') {
      return line.substr(key.size() + 1);
    }
  }
  return {};
}

// The interface name, then what the kernel tells about the hardware behind it:
// maker and product of a USB device, and the driver.
std::string DescribeInterface(const std::string& name) {
  const std::string device = "/sys/class/net/" + name + "/device";
  std::string description = name;
  for (const char* file : {"/../manufacturer", "/../product"}) {
    const std::string text = FirstLine(device + file);
    if (!text.empty()) description += " " + text;
  }
  const std::string driver = UeventValue(device + "/uevent", "DRIVER");
  if (!driver.empty()) description += " (" + driver + ")";
  return description;
}

std::vector<NetInterface> ListInterfaces() {
  std::vector<NetInterface> list;
  ifaddrs* addresses = nullptr;
  if (::getifaddrs(&addresses) != 0) return list;
  for (const ifaddrs* a = addresses; a; a = a->ifa_next) {
    if (!a->ifa_name || (a->ifa_flags & IFF_LOOPBACK) != 0) continue;
    const std::string name = a->ifa_name;
    // One entry per address: an interface appears once per address family.
    if (std::any_of(list.begin(), list.end(),
                    [&](const NetInterface& i) { return i.name == name; }))
      continue;
    const unsigned index = ::if_nametoindex(name.c_str());
    if (index == 0) continue;
    list.push_back({index, name, {}});
  }
  ::freeifaddrs(addresses);
  for (NetInterface& i : list) i.description = DescribeInterface(i.name);
  return list;
}

std::vector<std::string> DefaultClientDirs() {
  std::vector<std::string> dirs;
  if (const char* path = std::getenv("PATH")) {
    std::string_view rest = path;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      const std::string_view dir = rest.substr(0, colon);
      if (!dir.empty()) dirs.emplace_back(dir);
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  // DHCP clients live in the administrator's folders, often not in a user's PATH.
  for (const char* dir : {"/usr/local/sbin", "/usr/sbin", "/sbin"}) dirs.emplace_back(dir);
  return dirs;
}

// How one DHCP client is told to release or renew an interface's lease.
struct DhcpClient {
  const char* program;
  const char* releaseSwitch;
  const char* renewSwitch;  // nullptr: the plain command renews
};

constexpr DhcpClient kClients[] = {
    {"dhclient", "-r", nullptr},
    {"dhcpcd", "-k", "-n"},
};

class PosixIpHelper final : public IpHelper {
 public:
  explicit PosixIpHelper(std::vector<std::string> clientDirs)
      : clientDirs_(std::move(clientDirs)) {}

  uint32_t GetAdaptersInfo(std::span<IpAdapterInfo> buffer, std::size_t& count) override {
    const std::vector<NetInterface> list = ListInterfaces();
    count = list.size();
    if (list.empty()) return kErrorNoData;
    if (buffer.size() < list.size()) return kErrorBufferOverflow;
    for (std::size_t i = 0; i < list.size(); ++i) buffer[i] = {list[i].index, list[i].description};
    return kNoError;
  }

  uint32_t GetInterfaceInfo(std::span<IpInterfaceEntry> buffer, std::size_t& count) override {
    const std::vector<NetInterface> list = ListInterfaces();
    count = list.size();
    if (buffer.empty() || buffer.size() < list.size()) return kErrorInsufficientBuffer;
    for (std::size_t i = 0; i < list.size(); ++i) buffer[i] = {list[i].index, list[i].name};
    return kNoError;
  }

  uint32_t IpReleaseAddress(const IpInterfaceEntry& entry) override {
    return RunClient(entry, /*release=*/true);
  }

  uint32_t IpRenewAddress(const IpInterfaceEntry& entry) override {
    return RunClient(entry, /*release=*/false);
  }

 private:
  std::optional<std::pair<std::string, DhcpClient>> FindClient() const {
    for (const DhcpClient& client : kClients) {
      for (const std::string& dir : clientDirs_) {
        const std::string path = dir + "/" + client.program;
        if (::access(path.c_str(), X_OK) == 0) return std::make_pair(path, client);
      }
    }
    return std::nullopt;
  }

  uint32_t RunClient(const IpInterfaceEntry& entry, bool release) const {
    // The client would take such a name for one of its options.
    if (entry.Name.empty() || entry.Name[0] == '-') return kErrorInvalidParameter;
    const auto found = FindClient();
    if (!found) {
      DebugLog("no DHCP client (dhclient, dhcpcd) installed: cannot %s the address of %s",
               release ? "release" : "renew", entry.Name.c_str());
      return kErrorNotSupported;
    }
    const auto& [path, client] = *found;
    std::vector<std::string> args{path};
    if (const char* option = release ? client.releaseSwitch : client.renewSwitch) {
      args.emplace_back(option);
    }
    args.push_back(entry.Name);
    const int status = Spawn(args);
    if (status == 0) return kNoError;
    std::string command;
    for (const std::string& a : args) command += (command.empty() ? "" : " ") + a;
    DebugLog("%s: failed (exit status %d)", command.c_str(), status);
    return kErrorGenFailure;
  }

  // The client's exit code, or -1 when it could not run. No shell: the
  // interface name reaches it as one argument, whatever it contains.
  static int Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    if (::posix_spawn_file_actions_init(&actions) != 0) return -1;
    ::posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
      if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  const std::vector<std::string> clientDirs_;
};

}  // namespace

std::shared_ptr<IpHelper> MakeSystemIpHelper() {
  return std::make_shared<PosixIpHelper>(DefaultClientDirs());
}

std::shared_ptr<IpHelper> MakeSystemIpHelper(std::vector<std::string> clientDirs) {
  return std::make_shared<PosixIpHelper>(std::move(clientDirs));
}
