#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "core/laser_point.hpp"
#include "output/live_state.hpp"
#include "output/quick_player_channel.hpp"

namespace ravix {

// What the "Quick play" window's timers serve: its three play modes, and the
// rolling text players that borrow them.
enum class QuickPlayMode { kDrawing, kIlda, kSegment, kText };

inline constexpr const char* kQuickDrawingOverText = "drawing over";
inline constexpr const char* kQuickIldaOverText = "ILDA image over";
inline constexpr const char* kQuickSegmentOverText = "section over.....";
inline constexpr const char* kQuickTextOverText = "Text over";

// Both timers' first period after a start.
inline constexpr std::chrono::milliseconds kQuickTimerStartPeriod{100};

// One firing of the frame timer: raises the frame tick and returns its next
// period, 10 ms in drawing and text mode and the frame interval in ILDA mode.
std::chrono::milliseconds FireQuickFrameTimer(QuickPlayMode mode, const LiveState& live,
                                              QuickPlayChannel& channel);

// One firing of the preview timer, after it has disabled itself.
struct QuickPreviewFiring {
  // settingsChanged was raised (in drawing and ILDA mode only while playing):
  // the frame was taken and the flag lowered; the window draws the frame.
  bool draw = false;
  // The timer's next period: 5 ms drawing, half the frame timer's period ILDA,
  // 1 ms segment and 5 ms text.
  std::chrono::milliseconds nextPeriod{5};
  // Enabled again while playing; otherwise the frame timer stops and the
  // mode's end message shows in the status line.
  bool again = true;
  const char* endMessage = nullptr;
};

// `takeFrame` copies what the player built (the segment player's preview
// lines, the text frame) before settingsChanged is lowered, which lets the
// segment player build its next frame.
QuickPreviewFiring FireQuickPreview(QuickPlayMode mode, LiveState& live,
                                    std::chrono::milliseconds framePeriod,
                                    const std::function<void()>& takeFrame);

// The drawing-mode preview: the points of the play copy up to the slow-draw
// count, or all of them while "Slow-Draw" stands at 0.
Drawing SlowDrawPreview(const Drawing& copy, const QuickPlayChannel& channel);

}  // namespace ravix
