#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "model/network_info.h"
#include "model/wl_profile.h"

// A real adapter manager on an in-process library the test controls: the
// status and IP settings the worker collects are the test's own, so a page can
// be shown exact values. Only one exists at a time.
class FakeLinkAdapter {
 public:
  FakeLinkAdapter();
  ~FakeLinkAdapter();
  FakeLinkAdapter(const FakeLinkAdapter&) = delete;
  FakeLinkAdapter& operator=(const FakeLinkAdapter&) = delete;

  CNICAdapter& Adapter() { return *adapter_; }

  // The manager reports this status and these IP settings from its next
  // collection on; true once a collection has taken them.
  bool Report(const WLANStatus& status, const NetworkInfo& info = NetworkInfo{});
  // Hands the profile to the manager's connect; true once it is the applied one.
  bool Apply(const WLProfile& profile);
  // Calls of a library entry point since this fake was made.
  static int Calls(const char* entryPoint);

  // An associated status with every field the link page shows set.
  static WLANStatus Associated();
  static NetworkInfo WithAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d);

  class Recorder;

 private:
  std::shared_ptr<Recorder> notifier_;
  WLLibrary library_;
  std::unique_ptr<CNICAdapter> adapter_;
};
