#pragma once

#include <array>
#include <cstdint>

#include "output/controller_bus.hpp"
#include "output/live_state.hpp"

namespace ravix {

// The 2-byte message that sets the controller's blank delay and scan rate.
using ControlMessage = std::array<std::uint8_t, 2>;

inline ControlMessage MakeControlMessage(std::uint8_t blankDelay, std::uint8_t scanRateCode) {
  return {blankDelay, scanRateCode};
}

// The control message of the live settings as they are now.
ControlMessage CurrentControlMessage(const PlaySettings& settings);

// Sends the control message of the current settings to all devices; returns it.
ControlMessage SendControlMessage(const ControllerBus& bus, const LiveState& live);

// A player's control messages: one before its first frame, then, once per pass,
// a new one whenever blank delay or scan rate differ from what it sent last.
class ControlMessageSender {
 public:
  ControlMessageSender(const ControllerBus& bus, const LiveState& live) : bus_(bus), live_(live) {}

  void SendFirst() { last_ = SendControlMessage(bus_, live_); }
  // True when a new message went out.
  bool SendIfChanged();

 private:
  const ControllerBus& bus_;
  const LiveState& live_;
  ControlMessage last_{};
};

}  // namespace ravix
