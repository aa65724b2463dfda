#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/controller_driver.hpp"

namespace ravix {

// The controllers found by a scan: driver names and, in the same order, the
// display names.
struct FoundDevices {
  std::vector<std::string> driverNames;
  std::vector<std::string> displayNames;
  bool empty() const { return driverNames.empty(); }
};

// The device operations on controllers named "ezusb-N". Every operation opens
// the device, issues its requests and closes it again. Every bulk write first
// sleeps for the transfer pause, so that a loop with no controller attached
// never spins; a pause of 0 skips the sleep.
class ControllerBus {
 public:
  ControllerBus(ControllerDriver& driver, std::chrono::microseconds transferPause)
      : driver_(driver), transferPause_(transferPause) {}

  bool DeviceBulkWrite(std::span<const std::uint8_t> data, std::string_view driverName,
                       std::uint32_t pipe) const;
  bool DeviceAbortPipe(std::string_view driverName, std::uint32_t pipe) const;
  // Holds the controller's CPU in reset and releases it; the release decides.
  bool DeviceHoldCpu(std::string_view driverName) const;
  // Every device 0..127 whose descriptor carries the controller's identity.
  FoundDevices ScanDevices() const;

  ControllerDriver& driver() const { return driver_; }

 private:
  ControllerDriver& driver_;
  std::chrono::microseconds transferPause_;
};

// The pause the players use before each transfer.
inline constexpr std::chrono::microseconds kTransferPause{1000};

}  // namespace ravix
