#pragma once

#include <functional>
#include <memory>
#include <string>

// A short-lived thread that releases and renews the adapter's IP address
// through the operating system. Destroying it stops it.
class IpRenewalThread {
 public:
  virtual ~IpRenewalThread() = default;
};

// Starts one for the network adapter of that name with IPConfig's flags.
using IpRenewalStarter =
    std::function<std::unique_ptr<IpRenewalThread>(const std::string& nicName, int flags)>;
