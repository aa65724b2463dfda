#include "output/late_connection_probe.hpp"

#include <array>

#include "output/control_message.hpp"

namespace ravix {

bool ProbeLateConnection(const ControllerBus& bus, LiveState& live, FoundDevices& found) {
  if (!found.empty())
    return false;
  found = bus.ScanDevices();
  if (found.empty())
    return false;
  const std::string& master = found.driverNames.front();
  live.devices.SetMasterDevice(master);
  const std::uint8_t pipe = live.settings.outputPipe.load(std::memory_order_relaxed);
  constexpr std::array<std::uint8_t, 1> kWakeByte = {0};
  bus.DeviceBulkWrite(kWakeByte, master, pipe);
  bus.DeviceBulkWrite(CurrentControlMessage(live.settings), master, pipe);
  return true;
}

}  // namespace ravix
