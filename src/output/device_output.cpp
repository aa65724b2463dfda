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

namespace {

// Calls `send` for each block of at most kMaxBlockPoints points; an empty frame
// is one empty block. A raised stopRequested between blocks ends the frame.
template <typename Send>
bool ForEachBlock(const LiveState& live, std::span<const std::uint8_t> frame, Send send) {
  std::size_t at = 0;
  do {
    if (at > 0 && live.control.stopRequested.load(std::memory_order_relaxed))
      return false;
    const std::size_t length = std::min(kMaxBlockBytes, frame.size() - at);
    send(frame.subspan(at, length));
    at += length;
  } while (at < frame.size());
  return true;
}

}  // namespace

bool SendFrame(const ControllerBus& bus, const LiveState& live,
               std::span<const std::uint8_t> frame) {
  return ForEachBlock(live, frame, [&](std::span<const std::uint8_t> block) {
    SendToAllDevices(bus, live, block);
  });
}

bool SendFrameToDevice(const ControllerBus& bus, const LiveState& live,
                       std::span<const std::uint8_t> frame, std::string_view driverName) {
  const std::uint8_t pipe = live.settings.outputPipe.load(std::memory_order_relaxed);
  return ForEachBlock(live, frame, [&](std::span<const std::uint8_t> block) {
    bus.DeviceBulkWrite(block, driverName, pipe);
  });
}

}  // namespace ravix
