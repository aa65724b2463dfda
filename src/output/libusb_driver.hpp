#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "output/controller_driver.hpp"

struct libusb_context;

namespace ravix {

// Where a USB device sits: its bus and the port numbers from the root hub.
struct UsbLocation {
  std::uint8_t bus = 0;
  std::vector<std::uint8_t> ports;
  friend auto operator<=>(const UsbLocation&, const UsbLocation&) = default;
};

// The order that numbers the USB devices: by bus, then port path, so a device
// plugged back into the same port gets its number back. Returns the index in
// `locations` of the device with each number, at most 128 of them.
std::vector<std::size_t> NumberUsbDevices(const std::vector<UsbLocation>& locations);

// The real controllers through libusb-1.0. Every USB device gets a number; its
// descriptor is read without opening it. Pipe N is the N-th endpoint of
// interface 0. When libusb cannot start, there are no devices.
class LibusbDriver : public ControllerDriver {
 public:
  LibusbDriver();
  ~LibusbDriver() override;
  LibusbDriver(const LibusbDriver&) = delete;
  LibusbDriver& operator=(const LibusbDriver&) = delete;

  std::optional<UsbDeviceDescriptor> ReadDeviceDescriptor(int number) override;
  std::unique_ptr<ControllerHandle> Open(int number) override;

  bool Available() const { return context_ != nullptr; }

 private:
  libusb_context* context_ = nullptr;
};

}  // namespace ravix
