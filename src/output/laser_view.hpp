#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "core/palette.hpp"

namespace ravix {

// One stretch of the beam between two consecutive points, lit in the colour of
// the point it travels to. `intensity` is 1 for a stretch scanned just now and
// falls to 0 at the end of the persistence.
struct BeamSegment {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  PackedColour colour = 0;
  float intensity = 0;
};

// The red, green and blue a record's colour bits switch on (bit 0 any colour,
// bit 1 blue, bit 2 green, bit 3 red), each fully on or off.
PackedColour BeamColour(std::uint8_t colourBits);

// What a controller's scanner shows: the point records it received, each
// scanned at the controller's scan rate (set by the last control message), and
// kept visible for a short persistence like a real beam. Writes come from the
// play thread, reads from a window; receiving is allocation-free.
class LaserView {
 public:
  using Clock = std::chrono::steady_clock;

  explicit LaserView(std::chrono::microseconds persistence = std::chrono::milliseconds(60),
                     std::size_t capacity = 1 << 16);

  // A bulk write the controller received at `arrival`: the 2-byte control
  // message sets the scan rate; a 1-byte wake-up is ignored; anything else is
  // 4-byte point records (a trailing partial record is ignored).
  void Receive(std::span<const std::uint8_t> bytes, Clock::time_point arrival);

  // The lit stretches scanned within the persistence before `now`, oldest
  // first; dark moves (blanked or colour bits 0) are left out.
  void Visible(Clock::time_point now, std::vector<BeamSegment>& out) const;

  std::uint8_t ScanRateCode() const;

 private:
  struct ScannedPoint {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    std::uint8_t colourBits = 0;
    bool blanked = false;
    Clock::time_point scanned;
  };

  const std::chrono::microseconds persistence_;
  mutable std::mutex mutex_;
  std::vector<ScannedPoint> ring_;
  std::size_t next_ = 0;
  std::size_t count_ = 0;
  std::uint8_t scanRateCode_ = 100;
  Clock::time_point scanEnd_{};
};

}  // namespace ravix
