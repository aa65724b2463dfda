#include "output/control_message.hpp"

#include "output/device_output.hpp"

namespace ravix {
ControlMessage CurrentControlMessage(const PlaySettings& settings) {
  return MakeControlMessage(settings.blankDelay.load(std::memory_order_relaxed),
                            settings.scanRateCode.load(std::memory_order_relaxed));
}

ControlMessage SendControlMessage(const ControllerBus& bus, const LiveState& live) {
  const ControlMessage message = CurrentControlMessage(live.settings);
  SendToAllDevices(bus, live, message);
  return message;
}

bool ControlMessageSender::SendIfChanged() {
  if (CurrentControlMessage(live_.settings) == last_)
    return false;
  SendFirst();
  return true;
}

}  // namespace ravix
