#include "simulator/psk_deriver.h"

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
    const Psk psk = WpaPsk(key.first, key.second);
    lock.lock();
    keys_[key] = psk;
  }
}

}  // namespace orvsim
