#include "cli/controller_options.hpp"

#include "output/device_names.hpp"
#include "output/libusb_driver.hpp"
#include "output/simulated_driver.hpp"

namespace ravix::cli {

std::unique_ptr<ControllerDriver> MakeControllerDriver(std::optional<long> simulate,
                                                       bool paceWrites) {
  if (!simulate)
    return std::make_unique<LibusbDriver>();
  if (*simulate < 0 || *simulate > kDeviceNumberCount)
    return nullptr;
  return std::make_unique<SimulatedDriver>(static_cast<int>(*simulate), paceWrites);
}

}  // namespace ravix::cli
