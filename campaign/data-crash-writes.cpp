// Kills writers of the settings file and of the simulator's profile store
// with SIGKILL at random moments and checks, after every kill, that the
// settings file holds exactly what was written before the interrupted
// operation (that operation's own keys old or new), that its mode stayed,
// that every profile stored before it is there byte for byte, and that no
// temporary file was left behind.
//
//   orv-data-crash-writes [--ops N] [--seed S] [--max-delay-us U] [--dir DIR]

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "model/profile_ini.h"
#include "model/wl_profile.h"
#include "platform/text.h"
#include "simulator/profile_store.h"

using namespace orvsim;

namespace {

namespace fs = std::filesystem;

constexpr const char* kAdapterSection = "SIM\\ORVWL_0001";
constexpr const char* kProfileRoot = "Or-Vane";
constexpr int kProfileNames = 40;
constexpr mode_t kSettingsMode = 0640;

uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The random numbers of one operation, the same in the writer and the checker.
class OpRandom {
 public:
  OpRandom(uint64_t seed, int64_t op) : state_(Mix(seed ^ Mix(static_cast<uint64_t>(op)))) {}
  uint64_t Next() { return state_ = Mix(state_); }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

 private:
  uint64_t state_;
};

// Values hold what network names and pass phrases hold: line breaks, quotes,
// blanks at the edges, bytes above 0x7F; never a NUL (a C string to readers).
std::string HostileValue(OpRandom& r, std::size_t maxLength) {
  static const char* const pieces[] = {
      "\r\n", "\"", " ", "=", "[x]", ";", "%s%n", "\xFF", "\xF0\x9F\x98\x80", "a", "Z9"};
  std::string value;
  const int count = r.Below(8);
  for (int i = 0; i < count; ++i) value += pieces[r.Below(std::size(pieces))];
  return value.substr(0, maxLength);
}

// What reading a stored value gives back: line breaks were written as blanks.
std::string AsRead(std::string value) {
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return value;
}

WLProfile RandomProfile(OpRandom& r, const std::string& name) {
  WLProfile p{};
  p.TxRate = 15;
  p.NetworkMode = 1;
  p.ABGMode = 34;
  p.EncryptionMethod = r.Below(8);
  p.Channel = r.Below(14);
  CopyText(p.ProfileName, name);
  CopyText(p.Ssid1, HostileValue(r, 32));
  CopyText(p.WPAPassphrase, HostileValue(r, 63));
  CopyText(p.WEPKey1, "0123456789");
  p.DefaultKey = r.Below(4);
  return p;
}

enum class OpKind { kProfileSave, kKeyWrite, kLastApplied, kKeyDelete };

struct Op {
  OpKind kind;
  std::string name;  // profile name
  WLProfile profile{};
  std::string section;
  std::string key;
  std::string value;
};

Op MakeOp(uint64_t seed, int64_t index) {
  OpRandom r(seed, index);
  Op op;
  const int pick = r.Below(10);
  static const char* const sections[] = {"Setting", "FormMain", "Campaign", kAdapterSection};
  op.section = sections[r.Below(std::size(sections))];
  op.key = "CampaignKey" + std::to_string(r.Below(12));
  if (pick < 4) {
    op.kind = OpKind::kProfileSave;
    op.name = "Profile " + std::to_string(r.Below(kProfileNames));
    op.profile = RandomProfile(r, op.name);
  } else if (pick < 7) {
    op.kind = OpKind::kKeyWrite;
    op.value = HostileValue(r, 200);
  } else if (pick < 9) {
    op.kind = OpKind::kLastApplied;
    op.profile = RandomProfile(r, "Last " + std::to_string(index));
  } else {
    op.kind = OpKind::kKeyDelete;
  }
  return op;
}

using Key = std::pair<std::string, std::string>;  // lower-case section, key
using Settings = std::map<Key, std::string>;

Key KeyOf(std::string_view section, std::string_view key) {
  return {LowerAscii(section), LowerAscii(key)};
}

// The model of everything on disk.
struct Model {
  Settings settings;
  std::map<std::string, WLProfile> profiles;  // lower-case name
  std::vector<std::string> order;             // the adapter section's order keys
};

// The operation as the adapter manager does it: the library stores the
// profile, then the settings get the order keys.
void RunOp(const Op& op, IniFile& ini, ProfileStore& store, std::vector<std::string>& order) {
  switch (op.kind) {
    case OpKind::kProfileSave: {
      store.Put(op.name, op.profile);
      bool known = false;
      for (const std::string& n : order) known |= EqualsNoCase(n, op.name);
      if (!known) {
        order.push_back(op.name);
        ini.WriteInteger(kAdapterSection, "ProfCount", static_cast<int32_t>(order.size()));
        ini.WriteString(kAdapterSection, "Prof" + std::to_string(order.size() - 1), op.name);
      }
      break;
    }
    case OpKind::kKeyWrite:
      ini.WriteString(op.section, op.key, op.value);
      break;
    case OpKind::kLastApplied:
      ProfToIniFile(ini, op.profile, "LastApplyProf");
      break;
    case OpKind::kKeyDelete:
      ini.DeleteKey(op.section, op.key);
      break;
  }
}

// The keys the operation writes, with their new values (nothing: deleted).
std::map<Key, std::optional<std::string>> Effect(const Op& op, const Model& model) {
  std::map<Key, std::optional<std::string>> effect;
  switch (op.kind) {
    case OpKind::kProfileSave: {
      bool known = false;
      for (const std::string& n : model.order) known |= EqualsNoCase(n, op.name);
      if (!known) {
        effect[KeyOf(kAdapterSection, "ProfCount")] = std::to_string(model.order.size() + 1);
        effect[KeyOf(kAdapterSection, "Prof" + std::to_string(model.order.size()))] = op.name;
      }
      break;
    }
    case OpKind::kKeyWrite:
      effect[KeyOf(op.section, op.key)] = AsRead(op.value);
      break;
    case OpKind::kLastApplied:
      for (const auto& [key, value] : ProfileIniKeyValues(op.profile)) {
        effect[KeyOf("LastApplyProf", key)] = AsRead(value);
      }
      break;
    case OpKind::kKeyDelete:
      effect[KeyOf(op.section, op.key)] = std::nullopt;
      break;
  }
  return effect;
}

Settings ReadSettings(const std::string& path) {
  IniFile ini(path);
  Settings settings;
  for (const std::string& section : ini.SectionNames()) {
    for (const std::string& key : ini.KeyNames(section)) {
      const Key k = KeyOf(section, key);
      if (settings.count(k) == 0) settings[k] = ini.ReadString(section, key, "");
    }
  }
  return settings;
}

// Every line is a section, a key and its value, a comment or blank; the last
// line ends with a line break.
bool WellFormed(const std::string& text) {
  if (!text.empty() && text.back() != '\n') return false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find('\n', pos);
    std::string_view line(text.data() + pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool ok = line.empty() || line.front() == ';' || line.front() == '[' ||
                    line.find('=') != std::string_view::npos;
    if (!ok) return false;
    pos = end + 1;
  }
  return true;
}

std::string ReadRaw(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return {};
  std::string text;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  std::fclose(f);
  return text;
}

struct Progress {
  std::atomic<int64_t> started;
  std::atomic<int64_t> finished;
};

struct Figures {
  int64_t kills = 0;
  int64_t midOperation = 0;
  int64_t violations = 0;
  int64_t strayFiles = 0;
};

class Campaign {
 public:
  Campaign(std::string dir, uint64_t seed)
      : dir_(std::move(dir)),
        settings_(dir_ + "/orvane-wlan.bin"),
        home_(dir_ + "/sim-home"),
        seed_(seed) {}

  bool Prepare(const std::string& shippedSettings) {
    fs::create_directories(home_);
    std::error_code error;
    if (!fs::copy_file(shippedSettings, settings_, fs::copy_options::overwrite_existing, error)) {
      std::fprintf(stderr, "cannot copy %s: %s\n", shippedSettings.c_str(),
                   error.message().c_str());
      return false;
    }
    ::chmod(settings_.c_str(), kSettingsMode);
    model_.settings = ReadSettings(settings_);
    return true;
  }

  // Runs until `ops` operations have been started; returns the figures.
  Figures Run(int64_t ops, int maxDelayUs) {
    auto* progress = static_cast<Progress*>(::mmap(
        nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::mt19937_64 timing(seed_ * 31 + 7);
    int64_t next = 0;
    while (next < ops) {
      progress->started = next - 1;
      progress->finished = next - 1;
      const pid_t child = ::fork();
      if (child == 0) Writer(*progress, next, ops);
      std::uniform_int_distribution<int> delay(0, maxDelayUs);
      ::usleep(static_cast<useconds_t>(delay(timing)));
      ::kill(child, SIGKILL);
      int status = 0;
      ::waitpid(child, &status, 0);
      if (WIFSIGNALED(status)) ++figures_.kills;
      const int64_t started = progress->started;
      const int64_t finished = progress->finished;
      for (int64_t i = next; i < started; ++i) Apply(MakeOp(seed_, i));
      if (started >= next) {
        const Op op = MakeOp(seed_, started);
        if (finished == started) {
          Apply(op);
        } else {
          ++figures_.midOperation;
          Settle(op);
        }
      }
      Check(started, finished);
      next = std::max(next + 1, started + 1);
    }
    ::munmap(progress, sizeof(Progress));
    return figures_;
  }

 private:
  [[noreturn]] void Writer(Progress& progress, int64_t from, int64_t ops) {
    IniFile ini(settings_);
    ProfileStore store(home_);
    store.SetRoot(kProfileRoot);
    std::vector<std::string> order = model_.order;
    for (int64_t i = from; i < ops; ++i) {
      const Op op = MakeOp(seed_, i);
      progress.started = i;
      RunOp(op, ini, store, order);
      progress.finished = i;
    }
    ::_exit(0);
  }

  void Apply(const Op& op) {
    for (const auto& [key, value] : Effect(op, model_)) {
      if (value) {
        model_.settings[key] = *value;
      } else {
        model_.settings.erase(key);
      }
    }
    if (op.kind == OpKind::kProfileSave) {
      Remember(op);
      model_.profiles[LowerAscii(op.name)] = op.profile;
    }
  }

  void Remember(const Op& op) {
    bool known = false;
    for (const std::string& n : model_.order) known |= EqualsNoCase(n, op.name);
    if (!known) model_.order.push_back(op.name);
  }

  // The interrupted operation: each of its keys may be old or new, its
  // profile stored or not; the model takes what the disk holds after checking it.
  void Settle(const Op& op) {
    const Settings disk = ReadSettings(settings_);
    const auto effect = Effect(op, model_);
    for (const auto& [key, value] : effect) {
      const auto now = disk.find(key);
      const std::optional<std::string> got =
          now == disk.end() ? std::nullopt : std::optional(now->second);
      const auto before = model_.settings.find(key);
      const std::optional<std::string> old =
          before == model_.settings.end() ? std::nullopt : std::optional(before->second);
      if (got != value && got != old) {
        Violation("interrupted write left " + key.first + "/" + key.second +
                  " neither old nor new");
      }
      if (got) {
        model_.settings[key] = *got;
      } else {
        model_.settings.erase(key);
      }
    }
    if (op.kind != OpKind::kProfileSave) return;
    // The order keys are written after the profile: the name is listed once
    // the count says so.
    const auto count = disk.find(KeyOf(kAdapterSection, "ProfCount"));
    if (count != disk.end() && count->second == std::to_string(model_.order.size() + 1)) {
      Remember(op);
    }
    ProfileStore store(home_);
    store.SetRoot(kProfileRoot);
    const auto stored = store.Get(op.name);
    const auto before = model_.profiles.find(LowerAscii(op.name));
    if (stored && std::memcmp(&*stored, &op.profile, sizeof(WLProfile)) == 0) {
      model_.profiles[LowerAscii(op.name)] = op.profile;
    } else if (before != model_.profiles.end()) {
      if (!stored || std::memcmp(&*stored, &before->second, sizeof(WLProfile)) != 0) {
        Violation("interrupted save lost or damaged the earlier profile " + op.name);
      }
    } else if (stored) {
      Violation("interrupted save left a damaged profile " + op.name);
    }
  }

  void Check(int64_t started, int64_t finished) {
    const std::string text = ReadRaw(settings_);
    if (!WellFormed(text)) Violation("settings file has a broken line");
    struct stat st {};
    if (::stat(settings_.c_str(), &st) != 0 || (st.st_mode & 07777) != kSettingsMode) {
      Violation("settings file lost its mode");
    }
    const Settings disk = ReadSettings(settings_);
    for (const auto& [key, value] : model_.settings) {
      const auto it = disk.find(key);
      if (it == disk.end()) {
        Violation("key lost: " + key.first + "/" + key.second);
      } else if (it->second != value) {
        Violation("key changed: " + key.first + "/" + key.second);
      }
    }
    for (const auto& [key, value] : disk) {
      if (model_.settings.count(key) == 0)
        Violation("key appeared: " + key.first + "/" + key.second);
    }
    ProfileStore store(home_);
    store.SetRoot(kProfileRoot);
    std::set<std::string> names;
    for (const WLProfile& p : store.All()) names.insert(LowerAscii(TextOf(p.ProfileName)));
    for (const auto& [name, profile] : model_.profiles) {
      const auto stored = store.Get(name);
      if (!stored) {
        Violation("profile lost: " + name);
      } else if (std::memcmp(&*stored, &profile, sizeof(WLProfile)) != 0) {
        Violation("profile damaged: " + name);
      }
    }
    if (names.size() != model_.profiles.size()) Violation("profile store holds strangers");
    figures_.strayFiles = StrayFiles();
    (void)started;
    (void)finished;
  }

  int64_t StrayFiles() const {
    int64_t stray = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      const std::string name = entry.path().filename().string();
      if (!entry.is_regular_file()) continue;
      const bool expected = name == "orvane-wlan.bin" || name == ".lock" || name.ends_with(".prof");
      if (!expected) ++stray;
    }
    return stray;
  }

  static std::string TextOf(const char* buffer) { return std::string(buffer); }

  void Violation(const std::string& what) {
    if (figures_.violations++ < 20) std::fprintf(stderr, "violation: %s\n", what.c_str());
  }

  std::string dir_;
  std::string settings_;
  std::string home_;
  uint64_t seed_;
  Model model_;
  Figures figures_;
};

}  // namespace

int main(int argc, char** argv) {
  int64_t ops = 10000;
  uint64_t seed = 1;
  int maxDelayUs = 3000;
  std::string dir;
  std::string shipped = std::string(ORV_BIN_DIR) + "/orvane-wlan.bin";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--ops") {
      ops = std::stoll(argv[i + 1]);
    } else if (option == "--seed") {
      seed = std::stoull(argv[i + 1]);
    } else if (option == "--max-delay-us") {
      maxDelayUs = std::stoi(argv[i + 1]);
    } else if (option == "--dir") {
      dir = argv[i + 1];
    } else if (option == "--settings") {
      shipped = argv[i + 1];
    } else {
      std::fprintf(stderr, "unknown option %s\n", option.c_str());
      return 2;
    }
  }
  bool own = false;
  if (dir.empty()) {
    char pattern[] = "/tmp/orv-crash-writes-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) return 2;
    dir = pattern;
    own = true;
  }
  Campaign campaign(dir, seed);
  if (!campaign.Prepare(shipped)) return 2;
  const auto start = std::chrono::steady_clock::now();
  const Figures f = campaign.Run(ops, maxDelayUs);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "operations %lld  kills %lld  mid-operation %lld  violations %lld  stray files %lld  "
      "%.1f s\n",
      static_cast<long long>(ops), static_cast<long long>(f.kills),
      static_cast<long long>(f.midOperation), static_cast<long long>(f.violations),
      static_cast<long long>(f.strayFiles), seconds);
  if (own && f.violations == 0) fs::remove_all(dir);
  // A stray file is a writer's temporary left behind by a kill between
  // naming and renaming it: at most one per kill that hit a write. How many
  // kills land there depends on the machine's load, so no share is promised.
  return f.violations == 0 && f.strayFiles <= f.midOperation ? 0 : 1;
}
