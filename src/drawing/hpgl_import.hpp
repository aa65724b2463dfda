#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "core/laser_point.hpp"
#include "core/status.hpp"

namespace ravix {

inline constexpr const char* kHpglFileFilter = "HPGL plotter file(*.plt)|*.plt";

// The "Import PLT" window's track bars.
inline constexpr int kHpglMinSizeFactor = 0;
inline constexpr int kHpglMaxSizeFactor = 20;
inline constexpr int kHpglDefaultSizeFactor = 20;
inline constexpr int kHpglMinFineFactor = 0;
inline constexpr int kHpglMaxFineFactor = 40;
inline constexpr int kHpglDefaultFineFactor = 5;

struct HpglImportSettings {
  // "Size factor": every coordinate is divided by one more per step below the maximum.
  int sizeFactor = kHpglDefaultSizeFactor;
  // "Fine/Coarse factor": the thinning distance in canvas pixels.
  int fineFactor = kHpglDefaultFineFactor;
  // The editor's current colour, given to every imported point.
  std::uint8_t colour = 4;
};

struct HpglImport {
  // The imported objects in canvas coordinates (0..510, y down); every point
  // has z 0 and state 0, the first point of each object is blanked.
  Drawing objects;
  // "PU"/"PD" lines that could not be read as "PUx y;" and were left out.
  std::size_t skippedLines = 0;
};

// Parses the lines of a plot file, one command per line: the pen moves between
// the first "LT" line and the "SP0;" line, an object per "LT" group, scaled to
// the canvas and thinned. A file without pen moves imports nothing.
HpglImport HpglImportLines(std::span<const std::string> lines, const HpglImportSettings& settings);

// Reads the file and imports it as HpglImportLines; a file that cannot be read
// is reported and imports nothing.
Status HpglImportFile(const std::filesystem::path& path, const HpglImportSettings& settings,
                      HpglImport& result);

// The report of skipped lines, e.g. "2 PU/PD lines could not be read and were
// skipped"; empty when none were skipped.
std::string HpglSkippedLinesMessage(std::size_t skippedLines);

}  // namespace ravix
