#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/laser_point.hpp"

namespace ravix {

// One frame of an ILDA image; points in ILDA space.
struct TILDAframe {
  std::string name;
  std::string company;
  // Record count as stated in the header; writers use points.size().
  std::int32_t pointCount = 0;
  std::int32_t frameNumber = 0;
  std::int32_t totalFrames = 0;
  std::uint8_t scannerHead = 0;
  std::uint8_t reserved = 0;
  std::vector<LaserPoint> points;

  friend bool operator==(const TILDAframe&, const TILDAframe&) = default;
};

// One palette section, entries kept exactly as read. Never used for colour.
struct TILDAcolorplatte {
  using Entry = std::array<std::uint8_t, 6>;

  std::string name;
  std::string company;
  std::int32_t entryCount = 0;
  std::int32_t paletteNumber = 0;
  std::int32_t totalPalettes = 0;
  std::uint8_t scannerHead = 0;
  std::uint8_t reserved = 0;
  std::vector<Entry> entries;

  friend bool operator==(const TILDAcolorplatte&, const TILDAcolorplatte&) = default;
};

struct TILDAimage {
  std::vector<TILDAframe> frames;
  std::vector<TILDAcolorplatte> palettes;

  friend bool operator==(const TILDAimage&, const TILDAimage&) = default;
};

}  // namespace ravix
