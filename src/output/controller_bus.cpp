#include "output/controller_bus.hpp"

#include <thread>

#include "output/device_names.hpp"

namespace ravix {
namespace {

std::unique_ptr<ControllerHandle> OpenDevice(ControllerDriver& driver,
                                             std::string_view driverName) {
  const auto number = DriverNameNumber(driverName);
  return number ? driver.Open(*number) : nullptr;
}

}  // namespace

bool ControllerBus::DeviceBulkWrite(std::span<const std::uint8_t> data, std::string_view driverName,
                                    std::uint32_t pipe) const {
  if (transferPause_.count() > 0)
    std::this_thread::sleep_for(transferPause_);
  const auto device = OpenDevice(driver_, driverName);
  return device && device->BulkWrite(pipe, data);
}

bool ControllerBus::DeviceAbortPipe(std::string_view driverName, std::uint32_t pipe) const {
  const auto device = OpenDevice(driver_, driverName);
  return device && device->AbortPipe(pipe);
}

bool ControllerBus::DeviceHoldCpu(std::string_view driverName) const {
  const auto device = OpenDevice(driver_, driverName);
  if (!device)
    return false;
  device->SendVendorRequest(CpuControlRequest(1));
  return device->SendVendorRequest(CpuControlRequest(0));
}

FoundDevices ControllerBus::ScanDevices() const {
  FoundDevices found;
  for (int n = 0; n < kDeviceNumberCount; ++n) {
    const auto descriptor = driver_.ReadDeviceDescriptor(n);
    if (descriptor && DescriptorVendorId(*descriptor) == kControllerVendorId &&
        DescriptorProductId(*descriptor) == kControllerProductId) {
      found.driverNames.push_back(DriverName(n));
      found.displayNames.push_back(DisplayName(n));
    }
  }
  return found;
}

}  // namespace ravix
