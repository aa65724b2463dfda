#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "output/controller_driver.hpp"
#include "output/device_names.hpp"

namespace ravix {

// What a virtual controller received.
struct ControllerEvent {
  enum class Kind { kBulkWrite, kAbortPipe, kVendorRequest };
  Kind kind = Kind::kBulkWrite;
  std::uint32_t pipe = 0;
  std::vector<std::uint8_t> bytes;  // bulk writes
  VendorRequest vendor;             // vendor requests

  friend bool operator==(const ControllerEvent&, const ControllerEvent&) = default;
};

// Virtual controllers 0..127 with the laser controller's identity. Each keeps
// the last events it received (bounded), tells an observer about every event,
// can pace bulk writes at the scan rate of the last control message it
// received, and can be made to fail opens or writes or to vanish and come back.
class SimulatedDriver : public ControllerDriver {
 public:
  using Observer = std::function<void(int number, const ControllerEvent& event)>;

  // Controllers 0..count-1 are plugged in.
  explicit SimulatedDriver(int count, bool paceWrites = false, std::size_t eventLimit = 256);

  std::optional<UsbDeviceDescriptor> ReadDeviceDescriptor(int number) override;
  std::unique_ptr<ControllerHandle> Open(int number) override;

  // Called on the thread of the operation, after the event is recorded.
  void SetObserver(Observer observer);

  void SetPlugged(int number, bool plugged);
  void SetFailOpen(int number, bool fail);
  void SetFailWrite(int number, bool fail);
  void SetIdentity(int number, std::uint16_t vendorId, std::uint16_t productId);

  // The events still kept for `number`, oldest first.
  std::vector<ControllerEvent> Events(int number) const;
  // Bulk writes `number` accepted since creation.
  std::size_t WriteCount(int number) const;
  void ClearEvents(int number);

 private:
  class Handle;
  struct Controller {
    bool plugged = false;
    bool failOpen = false;
    bool failWrite = false;
    std::uint16_t vendorId = kControllerVendorId;
    std::uint16_t productId = kControllerProductId;
    std::uint8_t scanRateCode = 100;
    std::size_t writeCount = 0;
    std::deque<ControllerEvent> events;
  };

  bool Valid(int number) const { return number >= 0 && number < kDeviceNumberCount; }
  // Records the event when `number` can take it; false otherwise.
  bool Receive(int number, ControllerEvent event);

  const bool paceWrites_;
  const std::size_t eventLimit_;
  mutable std::mutex mutex_;
  std::array<Controller, kDeviceNumberCount> controllers_;
  std::shared_ptr<const Observer> observer_;
};

}  // namespace ravix
