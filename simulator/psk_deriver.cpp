#include "simulator/psk_deriver.h"

#include <exception>

#include "simulator/libcrypto.h"

namespace orvsim {

PskDeriver::~PskDeriver() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

std::optional<Psk> PskDeriver::Find(std::string_view passphrase, std::string_view ssid) {
  std::lock_guard lock(mutex_);
  Key key{std::string(passphrase), std::string(ssid)};
  if (const auto it = keys_.find(key); it != keys_.end()) return it->second;
  // libcrypto is loaded here, never on the worker: a worker inside dlopen waits
  // for the loader's lock, which a dlclose of this library holds while its
  // destructors wait for the worker. A missing libcrypto fails this call.
  Crypto();
  if (keys_.size() >= kMaxKept && queue_.empty()) keys_.clear();
  keys_.emplace(key, std::nullopt);
  queue_.push_back(std::move(key));
  if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
  wake_.notify_one();
  return std::nullopt;
}

void PskDeriver::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const Key key = queue_.front();
    queue_.pop_front();
    lock.unlock();
    std::optional<Psk> psk;
    try {
      psk = WpaPsk(key.first, key.second);
    } catch (const std::exception&) {
      // Forgotten rather than kept as queued, so that the next ask tries again.
    }
    lock.lock();
    if (psk) {
      keys_[key] = psk;
    } else {
      keys_.erase(key);
    }
  }
}

}  // namespace orvsim
