#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/text_lines.hpp"
#include "drawing/frame_list_file.hpp"
#include "segments/segment_file.hpp"

namespace {

// When the segment reads cleanly, its duration is the sum of its items' times.
void CheckSegment(const std::vector<std::string>& lines) {
  std::vector<ravix::TSectionRecord> rows;
  const bool read = ravix::SegmentFileFromLines(lines, rows).ok();
  std::int32_t duration = 0;
  const bool summed = ravix::SegmentDurationFromLines(lines, duration).ok();
  if (!read)
    return;
  std::int64_t total = 0;
  for (const auto& row : rows)
    total += row.time;
  total = std::clamp<std::int64_t>(total, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
  if (!summed || duration != total)
    __builtin_trap();
}

}  // namespace

// Reads arbitrary text as a segment, as it is and with a "[DrawingList]" line
// put in the middle so that item lines and drawing lookups get exercised.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto lines = ravix::SplitLines({data, size});
  CheckSegment(lines);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>((lines.size() + 1) / 2),
               ravix::kDrawingListHeader);
  CheckSegment(lines);
  return 0;
}
