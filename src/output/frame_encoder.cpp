#include "output/frame_encoder.hpp"

#include <algorithm>

#include "core/palette.hpp"

namespace ravix {
namespace {

std::uint8_t ScaledComponent(std::uint8_t component, std::uint8_t depth, std::uint8_t brightness) {
  return static_cast<std::uint8_t>(std::min(component * depth * brightness / 10000, 255));
}

}  // namespace

PackedColour ScaledPaletteColour(std::uint8_t index, const PlaySettingsValues& settings) {
  const PackedColour c = PaletteColour(index);
  const PackedColour red = ScaledComponent(RedOf(c), settings.redDepth, settings.brightness);
  const PackedColour green = ScaledComponent(GreenOf(c), settings.greenDepth, settings.brightness);
  const PackedColour blue = ScaledComponent(BlueOf(c), settings.blueDepth, settings.brightness);
  return red | green << 8 | blue << 16;
}

PointEncoder::PointEncoder(const PlaySettingsValues& settings, BasePosition base)
    : base_(base),
      invertX_(settings.invertX),
      invertY_(settings.invertY),
      rotation_(settings.locateAngle),
      offsetX_(settings.offsetX),
      offsetY_(settings.offsetY),
      sizeX_(settings.sizeX),
      sizeY_(settings.sizeY) {
  for (int i = 0; i < 256; ++i) {
    const PackedColour c = ScaledPaletteColour(static_cast<std::uint8_t>(i), settings);
    const bool red = RedOf(c) > 0;
    const bool green = GreenOf(c) > 0;
    const bool blue = BlueOf(c) > 0;
    colourBits_[i] =
        (red || green || blue)
            ? static_cast<std::uint8_t>(1 + (blue ? 2 : 0) + (green ? 4 : 0) + (red ? 8 : 0))
            : 0;
  }
}

DeviceRecord EncodePoint(const LaserPoint& point, const PlaySettingsValues& settings,
                         BasePosition base) {
  return PointEncoder(settings, base).Encode(point);
}

bool EncodeFrame(const Drawing& objects, const PointEncoder& encoder,
                 std::vector<std::uint8_t>& block, const std::atomic<bool>* stop) {
  block.resize(PointCount(objects) * kDeviceRecordBytes);
  std::uint8_t* out = block.data();
  for (const DrawingObject& object : objects) {
    if (stop && stop->load(std::memory_order_relaxed))
      return false;
    for (const LaserPoint& point : object) {
      const DeviceRecord r = encoder.Encode(point);
      out[0] = r.colourBits;
      out[1] = r.flags;
      out[2] = r.x;
      out[3] = r.y;
      out += kDeviceRecordBytes;
    }
  }
  return true;
}

}  // namespace ravix
