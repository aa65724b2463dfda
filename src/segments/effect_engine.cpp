#include "segments/effect_engine.hpp"

#include "core/palette.hpp"

namespace ravix {
namespace {

// A counter that has grown past `limit` takes the step and starts again.
bool TakeStep(std::int32_t& counter, std::int32_t limit) {
  if (counter <= limit)
    return false;
  counter = 0;
  return true;
}

std::int32_t Wrap(std::int32_t value, std::int32_t range) {
  if (value < 0)
    value += range;
  return value % range;
}

// The bands of "hb", "vb", "hr" and "vr": 128..191 moves the field up, 192..255
// down, faster towards the top of each band; the field wraps to 0..range-1.
void AnimateBanded(std::int32_t& field, std::int32_t& counter, std::int32_t a, std::int32_t range) {
  if (a <= 191) {
    if (TakeStep(counter, 191 - a))
      ++field;
  } else if (TakeStep(counter, 255 - a)) {
    --field;
  }
  field = Wrap(field, range);
}

void Move(std::int32_t& field, std::int32_t& counter, std::int32_t a, double& v) {
  if (a <= 127) {
    ShiftFold(4 * a, v);
    return;
  }
  AnimateBanded(field, counter, a, 510);
  ShiftFold(field, v);
}

void Turn(std::int32_t& field, std::int32_t& counter, std::int32_t a, double& v) {
  if (a <= 127) {
    FlipTurn(2 * a, v);
    return;
  }
  AnimateBanded(field, counter, a, 256);
  FlipTurn(field, v);
}

void Stretch(std::int32_t& field, std::int32_t& counter, std::int32_t a, double& v) {
  if (a <= 127) {
    SplitFold(4 * a, v);
    return;
  }
  if (TakeStep(counter, 255 - a))
    field = (field + 1) % 510;
  SplitFold(field, v);
}

void Rotate(EffectState& state, const CompiledStep& step, double& x, double& y) {
  const std::int32_t z = step.values[2];
  double angle;
  if (z <= 127) {
    angle = z * 360 / 127;
  } else {
    AnimateBanded(state.rotateAngle, state.Counter(EffectCode::kRotate), z, 360);
    angle = state.rotateAngle;
  }
  if (state.rotation.angle() != angle)
    state.rotation = AngleRotation(angle);
  state.rotation.Apply(255 - step.values[0], 255 - step.values[1], x, y);
}

void Zoom(EffectState& state, const CompiledStep& step, double& x, double& y) {
  const std::int32_t z = step.values[2];
  std::int32_t& counter = state.Counter(EffectCode::kZoom);
  std::int32_t factor;
  if (z == 0) {
    factor = 128;
  } else if (z <= 127) {
    factor = z;
  } else {
    if (z <= 169) {
      if (TakeStep(counter, 169 - z)) {
        state.zoomPhase = (state.zoomPhase + 1) % 127;
        state.zoomFactor = state.zoomPhase;
      }
    } else if (z <= 211) {
      if (TakeStep(counter, 211 - z)) {
        if (--state.zoomPhase < 0)
          state.zoomPhase += 127;
        state.zoomFactor = state.zoomPhase;
      }
    } else if (TakeStep(counter, 255 - z)) {
      state.zoomPhase = (state.zoomPhase + 1) % 256;
      state.zoomFactor = state.zoomPhase < 128 ? state.zoomPhase : 256 - state.zoomPhase;
    }
    factor = state.zoomFactor;
  }
  ZoomAbout(factor, 255 - step.values[0], 255 - step.values[1], x, y);
}

void SlowDraw(EffectState& state, const CompiledStep& step, std::int32_t& colourVariable,
              std::int32_t pointIndex) {
  const std::int32_t speed = step.values[2];
  if (speed == 0) {
    state.slowDrawShown = state.rowPointTotal;
    return;
  }
  if (TakeStep(state.Counter(EffectCode::kSlowDraw), 255 - speed))
    ++state.slowDrawShown;
  if (state.slowDrawShown > state.rowPointTotal)
    state.slowDrawShown = 0;
  colourVariable = pointIndex < state.slowDrawShown ? step.values[1] : step.values[0];
}

}  // namespace

void ApplySteps(std::span<const CompiledStep> steps, EffectState& state, double& x, double& y,
                std::int32_t& colourVariable, std::int32_t pointIndex) {
  for (const CompiledStep& step : steps) {
    const std::int32_t a = step.values[0];
    std::int32_t& counter = state.Counter(step.code);
    switch (step.code) {
      case EffectCode::kHorizontalMove:
        Move(state.moveX, counter, a, x);
        break;
      case EffectCode::kVerticalMove:
        Move(state.moveY, counter, a, y);
        break;
      case EffectCode::kHorizontalStretch:
        Stretch(state.stretchX, counter, a, x);
        break;
      case EffectCode::kVerticalStretch:
        Stretch(state.stretchY, counter, a, y);
        break;
      case EffectCode::kHorizontalTurn:
        Turn(state.turnX, counter, a, x);
        break;
      case EffectCode::kVerticalTurn:
        Turn(state.turnY, counter, a, y);
        break;
      case EffectCode::kRotate:
        Rotate(state, step, x, y);
        break;
      case EffectCode::kZoom:
        Zoom(state, step, x, y);
        break;
      case EffectCode::kColourRotation:
        if (TakeStep(counter, 255 - a))
          state.colourOffset = (state.colourOffset + 1) % 232;
        break;
      case EffectCode::kSlowDraw:
        SlowDraw(state, step, colourVariable, pointIndex);
        break;
    }
  }
}

std::uint8_t PickColour(std::uint8_t pointColour, std::int32_t colourVariable,
                        std::int32_t selected, std::int32_t colourOffset, std::int32_t rnd3Index) {
  const std::int32_t code = selected != kColourModeAuto ? selected : colourVariable;
  if (pointColour == 0)
    return 0;
  switch (code) {
    case kColourModeAuto:
      return pointColour;
    case kColourModeRnd1:
      return static_cast<std::uint8_t>((pointColour + colourOffset) % 232 + 1);
    case kColourModeRnd2:
      return static_cast<std::uint8_t>(colourOffset + 1);
    case kColourModeRnd3:
      return static_cast<std::uint8_t>(rnd3Index % 232 + 1);
    default:
      return static_cast<std::uint8_t>(code & 0xFF);
  }
}

}  // namespace ravix
