#include "output/quick_effects.hpp"

#include <limits>

namespace ravix {
namespace {

std::int32_t Wrap(std::int32_t value, std::int32_t modulus) {
  if (value < 0)
    value += modulus;
  return value % modulus;
}

}  // namespace

bool QuickEffects::Steps(Counter counter, std::int32_t limit) {
  if (counters_[counter] <= limit)
    return false;
  counters_[counter] = 0;
  return true;
}

std::int32_t QuickEffects::Banded(Counter counter, std::int32_t v, std::int32_t value,
                                  std::int32_t fixed, std::int32_t modulus) {
  if (v < 128) {
    value = fixed;
  } else if (v <= 191) {
    if (Steps(counter, 191 - v))
      ++value;
  } else if (Steps(counter, 255 - v)) {
    --value;
  }
  return Wrap(value, modulus);
}

void QuickEffects::Update(const QuickSliderValues& sliders, std::int32_t totalPoints) {
  const std::int32_t rotation = SliderValue(sliders, QuickSlider::kRotation);
  angle_ = Banded(kRotationCounter, rotation, angle_, rotation * 360 / 127, 360);

  const QuickSlider turns[2] = {QuickSlider::kHorizontalTurn, QuickSlider::kVerticalTurn};
  const QuickSlider moves[2] = {QuickSlider::kHorizontalMove, QuickSlider::kVerticalMove};
  const QuickSlider stretches[2] = {QuickSlider::kHorizontalStretch, QuickSlider::kVerticalStretch};
  for (int axis = 0; axis < 2; ++axis) {
    const std::int32_t turn = SliderValue(sliders, turns[axis]);
    turn_[axis] =
        Banded(axis == 0 ? kTurnXCounter : kTurnYCounter, turn, turn_[axis], turn * 2, 256);
    const std::int32_t move = SliderValue(sliders, moves[axis]);
    move_[axis] =
        Banded(axis == 0 ? kMoveXCounter : kMoveYCounter, move, move_[axis], move * 4, 510);
    const std::int32_t stretch = SliderValue(sliders, stretches[axis]);
    if (stretch <= 127)
      stretch_[axis] = stretch * 4;
    else if (Steps(axis == 0 ? kStretchXCounter : kStretchYCounter, 255 - stretch))
      stretch_[axis] = (stretch_[axis] + 1) % 510;
  }

  const std::int32_t zoom = SliderValue(sliders, QuickSlider::kZoom);
  if (zoom >= 212) {
    if (Steps(kZoomCounter, 255 - zoom))
      zoomRun_ = (zoomRun_ + 1) % 256;
    zoom_ = zoomRun_ > 127 ? 256 - zoomRun_ : zoomRun_;
  } else if (zoom >= 170) {
    if (Steps(kZoomCounter, 211 - zoom)) {
      --zoomRun_;
      if (zoomRun_ < 0)
        zoomRun_ += 127;
    }
    zoom_ = zoomRun_;
  } else if (zoom >= 128) {
    if (Steps(kZoomCounter, 169 - zoom))
      zoomRun_ = (zoomRun_ + 1) % 127;
    zoom_ = zoomRun_;
  } else {
    zoom_ = zoom > 0 ? zoom : 127;
  }

  if (Steps(kColourCounter, 255 - SliderValue(sliders, QuickSlider::kColourSpeed)))
    colourOffset_ = (colourOffset_ + 1) % kColourCycle;

  const std::int32_t slowDraw = SliderValue(sliders, QuickSlider::kSlowDraw);
  if (slowDraw != 0 && Steps(kSlowDrawCounter, 255 - slowDraw)) {
    ++shownPoints_;
    if (shownPoints_ > totalPoints)
      shownPoints_ = 0;
  }

  if (angle_ != rotationAngle_) {
    rotationAngle_ = angle_;
    rotation_ = CentreRotation(angle_);
  }
}

void QuickEffects::Advance() {
  // A counter that never steps stops at the top instead of overflowing.
  for (std::int32_t& counter : counters_) {
    if (counter < std::numeric_limits<std::int32_t>::max())
      ++counter;
  }
}

void QuickEffects::Apply(const QuickSliderValues& sliders, EncoderPosition& position) {
  ZoomClamped(zoom_, position.x, position.y);
  rotation_.Apply(position.x, position.y);
  if (SliderValue(sliders, QuickSlider::kHorizontalTurn) != 0)
    FlipTurn(turn_[0], position.x);
  if (SliderValue(sliders, QuickSlider::kVerticalTurn) != 0)
    FlipTurn(turn_[1], position.y);
  ShiftFold(move_[0], position.x);
  ShiftFold(move_[1], position.y);
  SplitFold(stretch_[0], position.x);
  SplitFold(stretch_[1], position.y);
}

}  // namespace ravix
