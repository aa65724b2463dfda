#include "output/controller_driver.hpp"

namespace ravix {

UsbDeviceDescriptor MakeDeviceDescriptor(std::uint16_t vendorId, std::uint16_t productId) {
  UsbDeviceDescriptor d{};
  d[0] = 18;  // bLength
  d[1] = 1;   // bDescriptorType: device
  d[2] = 0x00;
  d[3] = 0x02;  // USB 2.0
  d[7] = 64;    // bMaxPacketSize0
  d[8] = static_cast<std::uint8_t>(vendorId & 0xFF);
  d[9] = static_cast<std::uint8_t>(vendorId >> 8);
  d[10] = static_cast<std::uint8_t>(productId & 0xFF);
  d[11] = static_cast<std::uint8_t>(productId >> 8);
  d[17] = 1;  // bNumConfigurations
  return d;
}

}  // namespace ravix
