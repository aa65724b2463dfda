#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "core/section_record.hpp"

namespace ravix {

// One item of a show track.
struct TSequenceRecord {
  // File name with extension, without folder, as stored.
  std::string itemFile;
  // Ticks of the show clock; 0 when the file gives no value.
  std::int32_t duration = 0;
  // Filled by loading a ".sec" item.
  std::vector<TSectionRecord> segmentRows;
  // Filled by loading a ".ilf" item, in file order.
  std::vector<Drawing> frames;

  friend bool operator==(const TSequenceRecord&, const TSequenceRecord&) = default;
};

inline constexpr std::size_t kShowTrackCount = 3;

// A show: a music file and three tracks.
struct TSequence {
  std::string musicFile;
  std::array<std::vector<TSequenceRecord>, kShowTrackCount> tracks;

  friend bool operator==(const TSequence&, const TSequence&) = default;
};

}  // namespace ravix
