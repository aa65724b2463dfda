#include "segments/effect_state.hpp"

namespace ravix {
namespace {

void ResetAnimatedFields(EffectState& state) {
  state.moveX = state.moveY = 0;
  state.stretchX = state.stretchY = 0;
  state.turnX = state.turnY = 0;
  state.rotateAngle = 0;
  state.colourOffset = 0;
}

}  // namespace

void ResetForItem(EffectState& state) {
  ResetAnimatedFields(state);
  state.stepCounter.fill(0);
}

void ResetForItemKeepingCounters(EffectState& state) {
  ResetAnimatedFields(state);
}

void ResetForPreview(EffectState& state) {
  ResetForItem(state);
  state.zoomPhase = 0;
}

}  // namespace ravix
