#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/laser_point.hpp"
#include "output/controller_bus.hpp"
#include "output/live_state.hpp"

namespace ravix {

struct SegmentPlayJob;
struct QuickPlayJob;
struct PagesPlayJob;
struct RollingTextJob;

// What a play loop is started with: its own copy of the material, so that
// editing in the window never disturbs it, and the calls back into the window.
struct PlayJob {
  // Drawing playback: the drawing in drawing space.
  Drawing drawing;
  // Shows a text in the window's status line. Called on the play thread; the
  // window posts it to its own thread.
  std::function<void(const std::string&)> showStatus;
  // Segment play and effect preview: rows or drawing and the window's channel.
  std::shared_ptr<const SegmentPlayJob> segment;
  // Quick play (play types 4 and 5), Quick play II (10), rolling text (6, 8).
  std::shared_ptr<const QuickPlayJob> quick = nullptr;
  std::shared_ptr<const PagesPlayJob> pages = nullptr;
  std::shared_ptr<const RollingTextJob> text = nullptr;
};

// Everything a play loop works with.
struct PlayContext {
  LiveState& live;
  const ControllerBus& bus;
  const PlayJob& job;
};

}  // namespace ravix
