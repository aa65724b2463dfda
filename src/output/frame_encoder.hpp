#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/laser_point.hpp"
#include "core/palette.hpp"
#include "core/truncate.hpp"
#include "output/play_settings.hpp"
#include "output/transform_primitives.hpp"

namespace ravix {

// One point as the controller takes it.
struct DeviceRecord {
  std::uint8_t colourBits;  // 0 dark; else 1 + 2 blue + 4 green + 8 red
  std::uint8_t flags;       // bit 0 blanked, bit 1 point kind z > 1
  std::uint8_t x;
  std::uint8_t y;
  friend bool operator==(const DeviceRecord&, const DeviceRecord&) = default;
};

inline constexpr std::size_t kDeviceRecordBytes = 4;
// A block, one bulk write, holds at most this many points.
inline constexpr std::size_t kMaxBlockPoints = 16384;
inline constexpr std::size_t kMaxBlockBytes = kMaxBlockPoints * kDeviceRecordBytes;

// Where a player starts a point from, before the mirror flags.
enum class BasePosition {
  kMirrored,   // 255 - x, 255 - y: drawing playback, segment and page players
  kAsStored,   // x, y: quick player drawings
  kMirroredY,  // x, 255 - y: quick player ILDA frames moved to 0..255
};

struct EncoderPosition {
  double x;
  double y;
};

// The settings of one frame, prepared for encoding its points.
class PointEncoder {
 public:
  PointEncoder(const PlaySettingsValues& settings, BasePosition base);

  // Base position, then the mirror flags.
  EncoderPosition Orient(const LaserPoint& p) const {
    double x = p.x, y = p.y;
    if (base_ == BasePosition::kMirrored)
      x = 255 - x;
    if (base_ != BasePosition::kAsStored)
      y = 255 - y;
    return Mirror({x, y});
  }

  // The mirror flags alone, for a position a player placed itself.
  EncoderPosition Mirror(EncoderPosition position) const {
    if (invertX_)
      position.x = 255 - position.x;
    if (invertY_)
      position.y = 255 - position.y;
    return position;
  }

  // Locate angle, offsets, size, colour depth and brightness, flags; for a
  // position that live effects may have moved after Orient.
  DeviceRecord Place(EncoderPosition position, std::uint8_t colour, std::uint8_t blanked,
                     std::int32_t z) const {
    rotation_.Apply(position.x, position.y);
    position.x -= offsetX_;
    position.y -= offsetY_;
    return DeviceRecord{
        colourBits_[colour],
        static_cast<std::uint8_t>((blanked ? 1 : 0) | (z > 1 ? 2 : 0)),
        static_cast<std::uint8_t>(SizeMap(TruncateToInt(position.x), sizeX_)),
        static_cast<std::uint8_t>(SizeMap(TruncateToInt(position.y), sizeY_)),
    };
  }

  DeviceRecord Encode(const LaserPoint& p) const {
    return Place(Orient(p), p.colour, p.blanked, p.z);
  }

  // The colour bits of a palette index at this frame's depths and brightness.
  std::uint8_t ColourBits(std::uint8_t colour) const { return colourBits_[colour]; }

 private:
  BasePosition base_;
  bool invertX_;
  bool invertY_;
  CentreRotation rotation_;
  std::int32_t offsetX_;
  std::int32_t offsetY_;
  std::int32_t sizeX_;
  std::int32_t sizeY_;
  std::array<std::uint8_t, 256> colourBits_;
};

// A palette colour at the depths and brightness: each component x depth x
// brightness / 10000, at most 255. The colour bits light the non-zero ones.
PackedColour ScaledPaletteColour(std::uint8_t index, const PlaySettingsValues& settings);

DeviceRecord EncodePoint(const LaserPoint& point, const PlaySettingsValues& settings,
                         BasePosition base);

// Replaces `block` with the records of every point of every object, in order.
// Returns false, leaving the block partly built, as soon as `stop` is seen
// between objects. Allocates only when the block outgrows its capacity.
bool EncodeFrame(const Drawing& objects, const PointEncoder& encoder,
                 std::vector<std::uint8_t>& block, const std::atomic<bool>* stop = nullptr);

inline bool EncodeFrame(const Drawing& objects, const PlaySettingsValues& settings,
                        BasePosition base, std::vector<std::uint8_t>& block,
                        const std::atomic<bool>* stop = nullptr) {
  return EncodeFrame(objects, PointEncoder(settings, base), block, stop);
}

}  // namespace ravix
