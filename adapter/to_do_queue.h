#pragma once

#include <algorithm>
#include <list>
#include <mutex>
#include <optional>

// Deferred operations for a worker. Adding an operation that is already queued
// moves it to the end, so each one runs at most once per drain.
template <typename Item>
class ToDoQueue {
 public:
  void Add(const Item& item) {
    std::lock_guard lock(mutex_);
    items_.remove(item);
    items_.push_back(item);
  }

  std::optional<Item> TakeFirst() {
    std::lock_guard lock(mutex_);
    if (items_.empty()) return std::nullopt;
    Item first = items_.front();
    items_.pop_front();
    return first;
  }

  bool Empty() const {
    std::lock_guard lock(mutex_);
    return items_.empty();
  }

 private:
  mutable std::mutex mutex_;
  std::list<Item> items_;  // guarded by mutex_
};
