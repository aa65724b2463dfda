#include "output/device_reset.hpp"

#include <array>
#include <cstdint>

namespace ravix {
namespace {

constexpr std::array<std::uint32_t, 3> kMasterPipes = {1, 3, 5};
constexpr std::array<std::uint32_t, 3> kExtraPipes = {1, 2, 3};

void ResetDevice(const ControllerBus& bus, const std::string& displayName,
                 const std::array<std::uint32_t, 3>& pipes, std::vector<std::string>& failures) {
  // The display name with "ez" in front, letter case kept: "ezUsb-3".
  const std::string driverName = "ez" + displayName;
  for (const std::uint32_t pipe : pipes)
    bus.DeviceAbortPipe(driverName, pipe);
  if (!bus.DeviceHoldCpu(driverName))
    failures.push_back("Failed to reset " + displayName);
}

}  // namespace

std::vector<std::string> ResetDevices(const ControllerBus& bus,
                                      const std::string& masterDisplayName,
                                      bool extraDevicesEnabled,
                                      const std::vector<std::string>& extraDisplayNames) {
  std::vector<std::string> failures;
  ResetDevice(bus, masterDisplayName, kMasterPipes, failures);
  if (extraDevicesEnabled) {
    for (const auto& name : extraDisplayNames)
      ResetDevice(bus, name, kExtraPipes, failures);
  }
  return failures;
}

}  // namespace ravix
