#pragma once

#include <memory>
#include <mutex>
#include <utility>

// One record handed between threads. Writers copy a whole record in and readers
// copy it out under the slot's mutex; nobody keeps a pointer into it.
template <typename T>
class GuardedSlot {
 public:
  GuardedSlot() = default;
  explicit GuardedSlot(const T& initial) : value_(std::make_unique<T>(initial)) {}

  // Copies the record out; false when the slot is empty.
  bool Peek(T& out) const {
    std::lock_guard lock(mutex_);
    if (!value_) return false;
    out = *value_;
    return true;
  }

  // Puts a record in, dropping the one that was there.
  void Put(std::unique_ptr<T> value) {
    std::lock_guard lock(mutex_);
    value_ = std::move(value);
  }
  void Put(const T& value) { Put(std::make_unique<T>(value)); }

  // Takes the record out, leaving the slot empty.
  std::unique_ptr<T> Take() {
    std::lock_guard lock(mutex_);
    return std::move(value_);
  }

 private:
  mutable std::mutex mutex_;
  std::unique_ptr<T> value_;  // guarded by mutex_
};
