#include "output/laser_view.hpp"

#include <algorithm>

namespace ravix {
namespace {

constexpr std::size_t kControlMessageBytes = 2;
constexpr std::size_t kWakeBytes = 1;
constexpr std::size_t kRecordBytes = 4;
constexpr std::uint8_t kFlagBlanked = 1;

// How long the scanner takes for one point at `scanRateCode`.
std::chrono::nanoseconds PointPeriod(std::uint8_t scanRateCode) {
  const std::int64_t pointsPerSecond = (250 - static_cast<std::int64_t>(scanRateCode)) * 240;
  if (pointsPerSecond <= 0)
    return std::chrono::nanoseconds(0);
  return std::chrono::nanoseconds(1'000'000'000 / pointsPerSecond);
}

}  // namespace

PackedColour BeamColour(std::uint8_t colourBits) {
  if ((colourBits & 1) == 0)
    return 0;
  const PackedColour red = (colourBits & 8) ? 0x0000FF : 0;
  const PackedColour green = (colourBits & 4) ? 0x00FF00 : 0;
  const PackedColour blue = (colourBits & 2) ? 0xFF0000 : 0;
  return red | green | blue;
}

LaserView::LaserView(std::chrono::microseconds persistence, std::size_t capacity)
    : persistence_(persistence), ring_(std::max<std::size_t>(capacity, 2)) {}

void LaserView::Receive(std::span<const std::uint8_t> bytes, Clock::time_point arrival) {
  std::lock_guard lock(mutex_);
  if (bytes.size() == kControlMessageBytes) {
    scanRateCode_ = bytes[1];
    return;
  }
  if (bytes.size() == kWakeBytes)
    return;
  const auto period = PointPeriod(scanRateCode_);
  // The scanner takes up a write when it has finished the one before.
  Clock::time_point t = std::max(arrival, scanEnd_);
  for (std::size_t i = 0; i + kRecordBytes <= bytes.size(); i += kRecordBytes) {
    ScannedPoint& p = ring_[next_];
    p.colourBits = bytes[i];
    p.blanked = (bytes[i + 1] & kFlagBlanked) != 0;
    p.x = bytes[i + 2];
    p.y = bytes[i + 3];
    p.scanned = t;
    t += period;
    next_ = (next_ + 1) % ring_.size();
    count_ = std::min(count_ + 1, ring_.size());
  }
  scanEnd_ = t;
}

void LaserView::Visible(Clock::time_point now, std::vector<BeamSegment>& out) const {
  out.clear();
  std::lock_guard lock(mutex_);
  const std::size_t first = (next_ + ring_.size() - count_) % ring_.size();
  const ScannedPoint* previous = nullptr;
  for (std::size_t k = 0; k < count_; ++k) {
    const ScannedPoint& p = ring_[(first + k) % ring_.size()];
    if (p.scanned > now)
      break;
    const auto age = now - p.scanned;
    if (previous && age <= persistence_ && !p.blanked && (p.colourBits & 1) != 0) {
      const float fade = static_cast<float>(age.count()) /
                         static_cast<float>(std::chrono::nanoseconds(persistence_).count());
      out.push_back(
          BeamSegment{previous->x, previous->y, p.x, p.y, BeamColour(p.colourBits), 1.0f - fade});
    }
    previous = &p;
  }
}

std::uint8_t LaserView::ScanRateCode() const {
  std::lock_guard lock(mutex_);
  return scanRateCode_;
}

}  // namespace ravix
