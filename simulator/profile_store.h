#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/wl_profile.h"

namespace orvsim {

// Profiles kept as text files under <home>/profiles/<root>/, one file per
// profile named "<serial>-<encoded name>.prof". The serial records creation
// order, which is the enumeration order; the encoded name keeps any byte
// string (slashes, dots, quotes, non-ASCII) inside the folder. Names compare
// without regard to ASCII case. Writes go through a temporary file and a
// rename, under a lock file, so other processes never see half a profile.
// What identifies one state of a folder's listing.
struct FolderStamp {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t modifiedNs = -1;
  bool operator==(const FolderStamp&) const = default;
};

class ProfileStore {
 public:
  static constexpr std::size_t kMaxNameLength = 64;

  explicit ProfileStore(std::string home) : home_(std::move(home)) {}
  ProfileStore(const ProfileStore&) = delete;
  ProfileStore& operator=(const ProfileStore&) = delete;

  void SetRoot(std::string_view root) { root_ = root; }

  std::optional<std::string> NameAt(std::size_t index) const;
  std::optional<WLProfile> Get(std::string_view name) const;
  bool Put(std::string_view name, const WLProfile& profile);
  bool Remove(std::string_view name);

  // Every profile, in enumeration order.
  std::vector<WLProfile> All() const;

 private:
  struct Entry {
    uint64_t serial;
    std::string name;
    std::string file;
  };

  std::string Folder() const;
  std::vector<Entry> List() const;
  std::optional<Entry> Find(std::string_view name) const;

  std::string home_;
  std::string root_;

  // The last listing, reused while the folder is unchanged.
  mutable std::mutex cacheMutex_;  // guards the three below
  mutable std::string cachedFolder_;
  mutable FolderStamp cachedStamp_{};
  mutable std::vector<Entry> cachedEntries_;
};

}  // namespace orvsim
