#pragma once

#include <cstdint>

#include "output/frame_encoder.hpp"
#include "output/quick_player_channel.hpp"
#include "output/transform_primitives.hpp"

namespace ravix {

// The quick player's animated effect parameters, each with its own step
// counter. Before each point Update takes the sliders; a parameter that steps
// resets its counter. Every counter then advances once per point processed
// while play is not paused.
class QuickEffects {
 public:
  // The number the colour offset and the colour codes run through.
  static constexpr std::int32_t kColourCycle = 232;

  // Sets the parameters from the sliders; `totalPoints` bounds the slow-draw
  // count.
  void Update(const QuickSliderValues& sliders, std::int32_t totalPoints);
  void Advance();

  // Zoom, rotation, the 3D turns, moves and stretches, in that order. A turn
  // whose slider stands at 0 is left out, so sliders at rest keep the picture.
  void Apply(const QuickSliderValues& sliders, EncoderPosition& position);

  std::int32_t angle() const { return angle_; }
  std::int32_t zoom() const { return zoom_; }
  std::int32_t colourOffset() const { return colourOffset_; }
  std::int32_t shownPoints() const { return shownPoints_; }

 private:
  enum Counter {
    kRotationCounter,
    kTurnXCounter,
    kTurnYCounter,
    kSlowDrawCounter,
    kMoveXCounter,
    kMoveYCounter,
    kStretchXCounter,
    kStretchYCounter,
    kZoomCounter,
    kColourCounter,
    kCounterCount,
  };
  // True, with the counter reset, when it has passed `limit`.
  bool Steps(Counter counter, std::int32_t limit);
  // The fixed value of the low half of a slider, or a step of one up or down
  // in its two upper bands; the result wrapped into 0..modulus-1.
  std::int32_t Banded(Counter counter, std::int32_t v, std::int32_t value, std::int32_t fixed,
                      std::int32_t modulus);

  std::int32_t counters_[kCounterCount] = {};
  std::int32_t angle_ = 0;
  std::int32_t turn_[2] = {};
  std::int32_t move_[2] = {};
  std::int32_t stretch_[2] = {};
  std::int32_t zoom_ = 0;
  std::int32_t zoomRun_ = 0;
  std::int32_t colourOffset_ = 0;
  std::int32_t shownPoints_ = 0;
  std::int32_t rotationAngle_ = 0;
  CentreRotation rotation_{0};
};

}  // namespace ravix
