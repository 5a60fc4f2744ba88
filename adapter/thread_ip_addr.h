#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "adapter/ip_renewal.h"
#include "platform/event.h"

class IpHelper;

// Releases and/or renews the IP address of the network adapter whose
// description contains the given name, through the operating system rather
// than the vendor library. Starts at once; destroying it stops it.
class ThreadIPAddr final : public IpRenewalThread {
 public:
  using Ms = std::chrono::milliseconds;

  // Flag bits.
  static constexpr int kRelease = 0x01;
  static constexpr int kRenew = 0x02;

  // How long stopping waits for the thread; tests pass a shorter one.
  struct Timing {
    Ms stopWait{1000};
  };

  ThreadIPAddr(std::string nicName, int flags, std::shared_ptr<IpHelper> ipHelper);
  ThreadIPAddr(std::string nicName, int flags, std::shared_ptr<IpHelper> ipHelper, Timing timing);
  ~ThreadIPAddr() override;
  ThreadIPAddr(const ThreadIPAddr&) = delete;
  ThreadIPAddr& operator=(const ThreadIPAddr&) = delete;

 private:
  const Timing timing_;
  std::shared_ptr<Event> done_;
  std::thread thread_;
};

// What the adapter manager starts, working on the system's own IP configuration.
IpRenewalStarter MakeIpRenewalStarter();
