#include "simulator/profile_store.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

#include "platform/file_replace.h"
#include "platform/text.h"
#include "simulator/file_util.h"
#include "simulator/key_file.h"
#include "simulator/profile_codec.h"
#include "simulator/sha1.h"
#include "simulator/text_codec.h"

namespace orvsim {

namespace {

constexpr std::string_view kSuffix = ".prof";
constexpr std::size_t kLongestRootComponent = 160;

std::string_view Capped(std::string_view name) {
  return name.substr(0, std::min(name.size(), ProfileStore::kMaxNameLength));
}

// Any root text gives one folder name of bounded length.
std::string RootComponent(std::string_view root) {
  std::string encoded = "root-" + EncodeFileComponent(root);
  if (encoded.size() <= kLongestRootComponent) return encoded;
  const Sha1Digest digest = Sha1Of(root);
  return encoded.substr(0, kLongestRootComponent - 21) + "~" +
         HexUpper(std::span(digest.data(), 10));
}

std::string FileName(uint64_t serial, std::string_view name) {
  std::string number = std::to_string(serial);
  number.insert(0, number.size() < 10 ? 10 - number.size() : 0, '0');
  return number + "-" + EncodeFileComponent(name) + std::string(kSuffix);
}

}  // namespace

std::string ProfileStore::Folder() const { return home_ + "/profiles/" + RootComponent(root_); }

std::vector<ProfileStore::Entry> ProfileStore::List() const {
  const std::string folder = Folder();
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return {};
  const FolderStamp stamp{st.st_dev, st.st_ino,
                          st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec};
  std::lock_guard lock(cacheMutex_);
  if (folder == cachedFolder_ && stamp == cachedStamp_) return cachedEntries_;
  std::vector<Entry> entries;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* item = ::readdir(dir)) {
    const std::string_view file = item->d_name;
    const std::size_t dash = file.find('-');
    if (!file.ends_with(kSuffix) || dash == std::string_view::npos) continue;
    const auto serial = ParseInteger(file.substr(0, dash));
    auto name = DecodeFileComponent(file.substr(dash + 1, file.size() - dash - 1 - kSuffix.size()));
    if (!serial || *serial < 0 || !name || name->empty() || name->size() > kMaxNameLength) continue;
    entries.push_back({static_cast<uint64_t>(*serial), std::move(*name), std::string(file)});
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.serial != b.serial ? a.serial < b.serial : a.file < b.file;
  });
  // Folder times tick coarsely: a change in the same tick as the stamp could
  // keep it, so a listing is reused only once the stamp is safely in the past.
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const int64_t nowNs = now.tv_sec * 1000000000LL + now.tv_nsec;
  constexpr int64_t kCoarseTickNs = 50000000;
  cachedFolder_ = nowNs - stamp.modifiedNs > kCoarseTickNs ? folder : std::string();
  cachedStamp_ = stamp;
  cachedEntries_ = entries;
  return entries;
}

std::optional<ProfileStore::Entry> ProfileStore::Find(std::string_view name) const {
  const std::string_view wanted = Capped(name);
  for (Entry& entry : List()) {
    if (SameNoCase(entry.name, wanted)) return std::move(entry);
  }
  return std::nullopt;
}

std::optional<std::string> ProfileStore::NameAt(std::size_t index) const {
  std::vector<Entry> entries = List();
  if (index >= entries.size()) return std::nullopt;
  return std::move(entries[index].name);
}

std::optional<WLProfile> ProfileStore::Get(std::string_view name) const {
  const auto entry = Find(name);
  if (!entry) return std::nullopt;
  const auto text = ReadWholeFile(Folder() + "/" + entry->file);
  if (!text) return std::nullopt;
  const KeyFile file = KeyFile::Parse(*text);
  for (const KeySection& section : file.sections) {
    if (section.name != "profile") continue;
    WLProfile profile = ReadProfile(section);
    CopyText(profile.ProfileName, entry->name);
    return profile;
  }
  return std::nullopt;
}

bool ProfileStore::Put(std::string_view rawName, const WLProfile& profile) {
  const std::string_view name = Capped(rawName);
  const std::string folder = Folder();
  if (name.empty() || !MakeFolders(folder)) return false;
  FileLock lock(folder + "/.lock");
  const std::vector<Entry> entries = List();
  uint64_t serial = entries.empty() ? 1 : entries.back().serial + 1;
  std::string replaced;
  for (const Entry& entry : entries) {
    if (!SameNoCase(entry.name, name)) continue;
    serial = entry.serial;
    replaced = entry.file;
    break;
  }
  WLProfile stored = profile;
  CopyText(stored.ProfileName, name);
  KeyFile file;
  WriteProfile(stored, file.AddSection("profile"));
  const std::string fileName = FileName(serial, name);
  if (!ReplaceFileContent(folder + "/" + fileName, file.Write("orvwl-sim profile"))) return false;
  // A new spelling of the name replaces the old file.
  if (!replaced.empty() && replaced != fileName) ::unlink((folder + "/" + replaced).c_str());
  return true;
}

bool ProfileStore::Remove(std::string_view name) {
  const std::string folder = Folder();
  FileLock lock(folder + "/.lock");
  const auto entry = Find(name);
  return entry && ::unlink((folder + "/" + entry->file).c_str()) == 0;
}

std::vector<WLProfile> ProfileStore::All() const {
  std::vector<WLProfile> profiles;
  for (const Entry& entry : List()) {
    if (auto profile = Get(entry.name)) profiles.push_back(*profile);
  }
  return profiles;
}

}  // namespace orvsim
