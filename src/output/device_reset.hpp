#pragma once

#include <string>
#include <vector>

#include "output/controller_bus.hpp"

namespace ravix {

// "Reset device": aborts pipes 1, 3 and 5 of the master and holds and releases
// its CPU; then, when sending to extra devices is enabled, the same with pipes
// 1, 2 and 3 for each extra device in order. Names are display names ("Usb-3").
// Returns "Failed to reset " + the display name for each device whose CPU
// hold failed, in order; abort results are ignored.
std::vector<std::string> ResetDevices(const ControllerBus& bus,
                                      const std::string& masterDisplayName,
                                      bool extraDevicesEnabled,
                                      const std::vector<std::string>& extraDisplayNames);

}  // namespace ravix
