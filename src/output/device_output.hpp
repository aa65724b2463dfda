#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "output/controller_bus.hpp"
#include "output/live_state.hpp"

namespace ravix {

// One block to the master and then, when enabled, to every extra device in
// list order, on the output pipe. Results are ignored: a controller that is
// missing or fails simply receives nothing.
void SendToAllDevices(const ControllerBus& bus, const LiveState& live,
                      std::span<const std::uint8_t> block);

// A frame of any length as consecutive blocks of at most kMaxBlockPoints
// points; an empty frame is one empty write. Between blocks a raised
// stopRequested ends the frame: returns false then.
bool SendFrame(const ControllerBus& bus, const LiveState& live,
               std::span<const std::uint8_t> frame);

// The same blocks to one device only (the show player's track controller).
bool SendFrameToDevice(const ControllerBus& bus, const LiveState& live,
                       std::span<const std::uint8_t> frame, std::string_view driverName);

}  // namespace ravix
