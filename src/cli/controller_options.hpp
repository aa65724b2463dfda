#pragma once

#include <memory>
#include <optional>

#include "output/controller_driver.hpp"

namespace ravix::cli {

// `--simulate N`: N simulated controllers ezusb-0 .. ezusb-(N-1) in place of the
// USB driver. Empty when N is outside 0..128.
std::unique_ptr<ControllerDriver> MakeControllerDriver(std::optional<long> simulate,
                                                       bool paceWrites);

}  // namespace ravix::cli
