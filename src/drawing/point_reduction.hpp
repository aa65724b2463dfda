#pragma once

#include "core/laser_point.hpp"
#include "drawing/frame_list_file.hpp"

namespace ravix {

// The "ILD to ilf" window's threshold track bar, in drawing-space units.
inline constexpr int kMinReductionThreshold = 0;
inline constexpr int kMaxReductionThreshold = 300;

// A copy of `source` without the points that lie within `threshold` of their
// predecessor in the source object (squared distance not above threshold^2).
// The first point of every object stays; kept points get state 0.
Drawing ReduceFramePoints(const Drawing& source, int threshold);

// Every frame reduced by ReduceFramePoints.
FrameList ReduceFrameListPoints(const FrameList& source, int threshold);

}  // namespace ravix
