#pragma once

#include "output/device_set.hpp"
#include "output/play_control.hpp"
#include "output/play_settings.hpp"

namespace ravix {

// The values shared by every window and player, created once by the program and
// handed to them by reference.
struct LiveState {
  PlaySettings settings;
  PlayControl control;
  DeviceSet devices;
};

}  // namespace ravix
