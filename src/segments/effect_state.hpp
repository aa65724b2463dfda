#pragma once

#include <array>
#include <cstdint>

#include "output/transform_primitives.hpp"
#include "segments/compiled_effect.hpp"

namespace ravix {

// The animation state of one player, shared by every item it plays. Fields
// advance by counting points, never by time.
struct EffectState {
  std::int32_t moveX = 0;         // "hb", 0..509
  std::int32_t moveY = 0;         // "vb", 0..509
  std::int32_t stretchX = 0;      // "hs", 0..509
  std::int32_t stretchY = 0;      // "vs", 0..509
  std::int32_t turnX = 0;         // "hr", 0..255
  std::int32_t turnY = 0;         // "vr", 0..255
  std::int32_t rotateAngle = 0;   // "ro", 0..359 degrees
  std::int32_t zoomPhase = 0;     // "zoom", carried over from item to item
  std::int32_t zoomFactor = 0;    // "zoom", carried over from item to item
  std::int32_t colourOffset = 0;  // "co", 0..231
  // One counter per code, in EffectCode order.
  std::array<std::int32_t, kEffectCodeCount> stepCounter{};

  // Set by the player when an item starts: the item's points, and how many of
  // them "sd" shows in the new colour.
  std::int32_t rowPointTotal = 0;
  std::int32_t slowDrawShown = 0;

  // cos and sin of the last angle rotated by; not part of the animation.
  AngleRotation rotation{0};

  std::int32_t& Counter(EffectCode code) { return stepCounter[static_cast<std::size_t>(code)]; }
};

// An item starts: every field but the zoom fields, and the step counters, to 0.
void ResetForItem(EffectState& state);
// The show player's item start: as ResetForItem, but the step counters run on.
void ResetForItemKeepingCounters(EffectState& state);
// The effect preview's start: every field but zoomFactor, and the counters, to 0.
void ResetForPreview(EffectState& state);

// Unless paused, one more point for each of the ten step counters.
inline void CountPoint(EffectState& state, bool paused) {
  if (paused)
    return;
  for (std::int32_t& counter : state.stepCounter)
    ++counter;
}

}  // namespace ravix
