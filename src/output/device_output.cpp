#include "output/device_output.hpp"

#include <algorithm>

#include "output/frame_encoder.hpp"

namespace ravix {

void SendToAllDevices(const ControllerBus& bus, const LiveState& live,
                      std::span<const std::uint8_t> block) {
  const std::uint8_t pipe = live.settings.outputPipe.load(std::memory_order_relaxed);
  const auto names = live.devices.Current();
  bus.DeviceBulkWrite(block, names->masterDevice, pipe);
  if (!live.devices.extraDevicesEnabled.load(std::memory_order_relaxed))
    return;
  for (const auto& driverName : names->extraDriverNames)
    bus.DeviceBulkWrite(block, driverName, pipe);
}

bool SendFrame(const ControllerBus& bus, const LiveState& live,
               std::span<const std::uint8_t> frame) {
  std::size_t at = 0;
  do {
    if (at > 0 && live.control.stopRequested.load(std::memory_order_relaxed))
      return false;
    const std::size_t length = std::min(kMaxBlockBytes, frame.size() - at);
    SendToAllDevices(bus, live, frame.subspan(at, length));
    at += length;
  } while (at < frame.size());
  return true;
}

}  // namespace ravix
