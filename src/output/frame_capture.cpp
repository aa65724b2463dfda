#include "output/frame_capture.hpp"

#include "output/controller_bus.hpp"
#include "output/device_names.hpp"
#include "output/play_types.hpp"
#include "output/simulated_driver.hpp"

namespace ravix {

std::string LowerHex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 0x0F]);
  }
  return hex;
}

std::vector<std::string> CapturePlayLoop(std::uint8_t playType, const PlayJob& job, LiveState& live,
                                         const FrameCaptureOptions& options) {
  constexpr int kMaster = 0;
  constexpr std::size_t kControlMessageBytes = 2;
  std::vector<std::string> writes;
  SimulatedDriver driver(1, /*paceWrites=*/false, /*eventLimit=*/0);
  driver.SetObserver([&](int number, const ControllerEvent& event) {
    if (number != kMaster || event.kind != ControllerEvent::Kind::kBulkWrite ||
        writes.size() >= options.writeLimit) {
      return;
    }
    writes.push_back(LowerHex(event.bytes));
    if (event.bytes.size() != kControlMessageBytes) {
      live.control.settingsChanged.store(false, std::memory_order_relaxed);
      if (options.tickFlag)
        options.tickFlag->store(true, std::memory_order_relaxed);
    }
    if (writes.size() == options.writeLimit) {
      live.control.stopRequested.store(true, std::memory_order_relaxed);
    }
  });
  live.devices.SetMasterDevice(DriverName(kMaster));
  live.devices.extraDevicesEnabled.store(false, std::memory_order_relaxed);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  if (options.writeLimit > 0)
    RunPlayLoop(playType, PlayContext{live, bus, job});
  return writes;
}

}  // namespace ravix
