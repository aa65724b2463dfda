#pragma once

#include <atomic>
#include <cstdint>

#include "core/palette.hpp"
#include "segments/effect_state.hpp"
#include "segments/live_effect_list.hpp"
#include "segments/preview_lines.hpp"

namespace ravix {

// What a window shares with the segment players it starts. The window owns it
// for its whole life; a player reads and writes it only while it runs.
struct SegmentPlayChannel {
  // The window's tick flag: raised by its tick timer, lowered by the player.
  std::atomic<bool> tick{false};
  // The colour chosen in the window: 0..255 overrides every item, 257 "Auto"
  // leaves it to the items; the effect preview starts each frame with it.
  std::atomic<std::int32_t> selectedColour{kColourModeAuto};
  // The Quick play "Point" check box: every point sent blanked (play type 9).
  std::atomic<bool> pointOverride{false};
  // The effects the rows name, or the entry the effect preview applies.
  LiveEffectList effects;
  // The last frame built, for the preview timer.
  PreviewLines preview;
  std::atomic<std::int32_t> rowIndex{0};
  std::atomic<std::int32_t> rowPointTotal{0};
  // The engine state; its zoom fields carry over from one play to the next.
  EffectState effectState;
};

}  // namespace ravix
