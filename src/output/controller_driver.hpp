#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace ravix {

// The 18-byte standard USB device descriptor.
using UsbDeviceDescriptor = std::array<std::uint8_t, 18>;

// The laser controller's identity in its descriptor (bytes 8..9 and 10..11).
inline constexpr std::uint16_t kControllerVendorId = 0x9999;
inline constexpr std::uint16_t kControllerProductId = 0x6666;

inline std::uint16_t DescriptorVendorId(const UsbDeviceDescriptor& d) {
  return static_cast<std::uint16_t>(d[8] | d[9] << 8);
}
inline std::uint16_t DescriptorProductId(const UsbDeviceDescriptor& d) {
  return static_cast<std::uint16_t>(d[10] | d[11] << 8);
}

// A descriptor carrying the given identity, for drivers that make one up.
UsbDeviceDescriptor MakeDeviceDescriptor(std::uint16_t vendorId, std::uint16_t productId);

// A vendor control request to the controller's chip.
struct VendorRequest {
  std::uint8_t request = 0;
  std::uint16_t value = 0;
  std::uint16_t index = 0;
  std::uint16_t length = 1;
  std::uint8_t direction = 0;  // 0 host to device
  std::uint8_t data = 0;

  friend bool operator==(const VendorRequest&, const VendorRequest&) = default;
};

// Firmware-load request on the chip's CPU control register: data 1 holds the
// processor in reset, data 0 lets it run.
inline constexpr VendorRequest CpuControlRequest(std::uint8_t data) {
  return VendorRequest{0xA0, 0x7F92, 0, 1, 0, data};
}

// One opened controller; closed when destroyed.
class ControllerHandle {
 public:
  virtual ~ControllerHandle() = default;
  virtual bool BulkWrite(std::uint32_t pipe, std::span<const std::uint8_t> data) = 0;
  virtual bool AbortPipe(std::uint32_t pipe) = 0;
  virtual bool SendVendorRequest(const VendorRequest& request) = 0;
};

// Access to the controllers by device number 0..127. Implementations are safe
// to call from several threads.
class ControllerDriver {
 public:
  virtual ~ControllerDriver() = default;
  // Read without opening the device; empty when there is no such device.
  virtual std::optional<UsbDeviceDescriptor> ReadDeviceDescriptor(int number) = 0;
  // Empty when the device cannot be opened.
  virtual std::unique_ptr<ControllerHandle> Open(int number) = 0;
};

}  // namespace ravix
