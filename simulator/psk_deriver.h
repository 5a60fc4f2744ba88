#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include "simulator/pbkdf2.h"

namespace orvsim {

// Derives WPA keys on a thread of its own: one derivation costs milliseconds,
// longer than any entry point may take. Callers ask again until the key is
// there; results are kept, so each pass phrase and SSID pair is derived once.
class PskDeriver {
 public:
  PskDeriver() = default;
  ~PskDeriver();
  PskDeriver(const PskDeriver&) = delete;
  PskDeriver& operator=(const PskDeriver&) = delete;

  // The key if it is known; otherwise queues its derivation and answers nothing.
  std::optional<Psk> Find(std::string_view passphrase, std::string_view ssid);

 private:
  using Key = std::pair<std::string, std::string>;
  static constexpr std::size_t kMaxKept = 256;

  void Run();

  std::mutex mutex_;  // guards everything below
  std::condition_variable wake_;
  std::map<Key, std::optional<Psk>> keys_;  // empty optional: queued
  std::deque<Key> queue_;
  bool stopping_ = false;
  std::thread worker_;  // started with the first request
};

}  // namespace orvsim
