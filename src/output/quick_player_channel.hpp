#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "core/laser_point.hpp"
#include "core/palette.hpp"

namespace ravix {

// The ten live effect sliders of the "Quick play" window, in window order.
enum class QuickSlider : std::size_t {
  kRotation,           // "Rotation"
  kHorizontalTurn,     // "H-rotate"
  kVerticalTurn,       // "V-rorate"
  kSlowDraw,           // "Slow-Draw"
  kHorizontalMove,     // "H-move"
  kVerticalMove,       // "V-move"
  kHorizontalStretch,  // "H-strech"
  kVerticalStretch,    // "V-strech"
  kZoom,               // "Zoom"
  kColourSpeed,        // "CH speed"
};
inline constexpr std::size_t kQuickSliderCount = 10;
// "CH speed" starts at this value although its slider shows 0 until moved.
inline constexpr std::int32_t kInitialColourSpeed = 30;

// The slider values as one frame's points read them.
using QuickSliderValues = std::array<std::int32_t, kQuickSliderCount>;

inline std::int32_t SliderValue(const QuickSliderValues& values, QuickSlider slider) {
  return values[static_cast<std::size_t>(slider)];
}

// What the "Quick play" window shares with the players it drives (play types
// 4, 5, 6 and 8): its sliders, "Point" box and frame tick, written by the
// window, and what its preview timer reads back. The window owns it for its
// whole life.
struct QuickPlayChannel {
  QuickPlayChannel() {
    for (auto& slider : sliders)
      slider.store(0, std::memory_order_relaxed);
    Slider(QuickSlider::kColourSpeed).store(kInitialColourSpeed, std::memory_order_relaxed);
  }

  std::array<std::atomic<std::int32_t>, kQuickSliderCount> sliders;
  // The window's colour mode: 0..255 a palette index for every lit point,
  // 257..260 a colour mode.
  std::atomic<std::int32_t> colourMode{kColourModeAuto};
  // The "Point" check box: every point sent blanked.
  std::atomic<bool> point{false};
  // Raised by the frame timer, lowered by the player.
  std::atomic<bool> frameTick{false};

  // For the preview: the slow-draw count (drawing mode), the current frame
  // (ILDA mode) and the point count of the frame last built.
  std::atomic<std::int32_t> shownPoints{0};
  std::atomic<std::int32_t> frameIndex{0};
  std::atomic<std::int32_t> pointCount{0};

  std::atomic<std::int32_t>& Slider(QuickSlider slider) {
    return sliders[static_cast<std::size_t>(slider)];
  }
  QuickSliderValues SliderValues() const {
    QuickSliderValues values{};
    for (std::size_t i = 0; i < kQuickSliderCount; ++i)
      values[i] = sliders[i].load(std::memory_order_relaxed);
    return values;
  }

  // The rolling text frame last built, for the preview.
  void PublishTextFrame(const Drawing& frame) {
    const std::lock_guard lock(textFrameMutex_);
    textFrame_ = frame;
  }
  Drawing TextFrame() const {
    const std::lock_guard lock(textFrameMutex_);
    return textFrame_;
  }

 private:
  mutable std::mutex textFrameMutex_;
  Drawing textFrame_;
};

}  // namespace ravix
