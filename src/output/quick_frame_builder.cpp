#include "output/quick_frame_builder.hpp"

#include "output/player_colour.hpp"

namespace ravix {

bool QuickFrameBuilder::Build(const Drawing& objects, const PointEncoder& encoder,
                              std::vector<std::uint8_t>& block) {
  constexpr auto kRelaxed = std::memory_order_relaxed;
  block.clear();
  const auto total = static_cast<std::int32_t>(PointCount(objects));
  std::int32_t written = 0;
  std::int32_t running = effects_.colourOffset();
  bool complete = true;
  for (const DrawingObject& object : objects) {
    if (live_.control.stopRequested.load(kRelaxed)) {
      complete = false;
      break;
    }
    bool passEnded = false;
    for (const LaserPoint& p : object) {
      const QuickSliderValues sliders = channel_.SliderValues();
      effects_.Update(sliders, total);
      EncoderPosition position = encoder.Orient(p);
      effects_.Apply(sliders, position);
      const std::uint8_t colour = PlayerColourIndex(channel_.colourMode.load(kRelaxed), p.colour,
                                                    effects_.colourOffset(), running++);
      const std::uint8_t blanked = channel_.point.load(kRelaxed) ? 1 : p.blanked;
      const DeviceRecord record = encoder.Place(position, colour, blanked, p.z);
      block.insert(block.end(), {record.colourBits, record.flags, record.x, record.y});
      if (!live_.control.paused.load(kRelaxed))
        effects_.Advance();
      ++written;
      if (SliderValue(sliders, QuickSlider::kSlowDraw) != 0 && written > effects_.shownPoints()) {
        passEnded = true;
        break;
      }
    }
    if (passEnded)
      break;
  }
  channel_.shownPoints.store(effects_.shownPoints(), kRelaxed);
  channel_.pointCount.store(written, kRelaxed);
  return complete;
}

}  // namespace ravix
