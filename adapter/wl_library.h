#pragma once

#include <cstdint>
#include <string>

#include "adapter/orvwl.h"
#include "platform/dynamic_library.h"
#include "platform/event.h"

// The loaded vendor library: its entry points and the lock every caller holds
// while it is inside the library.
class WLLibrary {
 public:
  // QueryStatus's answer when the media-connect query fails or reports a link down.
  static constexpr int32_t kStatusNotConnected = -99;

  WLLibrary() = default;
  ~WLLibrary();
  WLLibrary(const WLLibrary&) = delete;
  WLLibrary& operator=(const WLLibrary&) = delete;

  // Loads the library file, resolves all entry points (false at the first
  // missing one) and initialises it.
  bool Load(const std::string& path);
  // Uses a table of entry points already in this process, with the same
  // checks and initialisation as a loaded library.
  bool Use(const OrvwlApi& api);
  bool IsLoaded() const { return loaded_; }
  const OrvwlApi& Api() const { return api_; }

  // Waits for the library lock together with the caller's stop event, at
  // most `bound`. False when the stop event or the bound ended the wait: the
  // caller then does nothing.
  bool Lock(Event& stop, std::chrono::milliseconds bound = Event::kInfinite);
  void Unlock();

  // With the lock held: media-connect state, then the full status.
  int32_t QueryStatus(WLANStatus& status);

 private:
  DynamicLibrary module_;
  Event lock_;
  OrvwlApi api_;
  bool loaded_ = false;
};

// The one library object of the process.
WLLibrary& WLLib();

// Holds the library lock for a scope, if it could be had.
class WLLibraryLock {
 public:
  WLLibraryLock(WLLibrary& library, Event& stop) : library_(library), held_(library.Lock(stop)) {}
  ~WLLibraryLock() {
    if (held_) library_.Unlock();
  }
  WLLibraryLock(const WLLibraryLock&) = delete;
  WLLibraryLock& operator=(const WLLibraryLock&) = delete;
  explicit operator bool() const { return held_; }

 private:
  WLLibrary& library_;
  bool held_;
};
