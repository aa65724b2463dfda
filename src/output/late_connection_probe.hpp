#pragma once

#include "output/controller_bus.hpp"
#include "output/live_state.hpp"

namespace ravix {

// The main window's 2-second check for a controller plugged in late: when
// `found` is empty, scan again; when that finds a controller, make the first
// one the master and send it a single 0 byte, then the control message, on the
// output pipe. True when it found one and sent the probe.
bool ProbeLateConnection(const ControllerBus& bus, LiveState& live, FoundDevices& found);

}  // namespace ravix
