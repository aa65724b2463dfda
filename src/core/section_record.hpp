#pragma once

#include <cstdint>
#include <string>

#include "core/laser_point.hpp"

namespace ravix {

// One item (row) of a segment.
struct TSectionRecord {
  // Decimal number of the item's drawing in the segment's drawing list.
  std::string drawingKey;
  // How long the item plays, in ticks of the playback clock.
  std::int32_t time = 0;
  // Effect of the segment's effect list, or "null".
  std::string effectName;
  // 0..255 palette index for every lit point, or a colour mode 257..260.
  std::int32_t colour = 0;
  Drawing objects;

  friend bool operator==(const TSectionRecord&, const TSectionRecord&) = default;
};

}  // namespace ravix
