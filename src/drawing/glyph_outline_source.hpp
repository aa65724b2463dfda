#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ravix {

// A character as the text layouts number it: a byte below 128, or a two-byte
// GBK code (first byte x 256 + second byte).
using CharacterCode = std::uint16_t;

// The character every glyph is scaled by: GBK 0xB0A1.
inline constexpr CharacterCode kReferenceCharacter = 0xB0A1;

// Glyph metrics in outline units (pixels of the loaded size).
struct GlyphMetrics {
  double blackBoxWidth = 0;
  double blackBoxHeight = 0;
  double originX = 0;
};

// A point of an outline in outline units, y upwards.
struct OutlinePoint {
  double x = 0;
  double y = 0;
};

// One record of a contour. A line record holds on-curve points, each the end of
// a straight line. A spline record holds the off-curve control points of a
// quadratic B-spline followed by its on-curve end point; between two control
// points lies an implied on-curve midpoint. Each record starts where the
// previous one ended.
struct OutlineCurve {
  enum class Kind { kLine, kQuadraticSpline };
  Kind kind = Kind::kLine;
  std::vector<OutlinePoint> points;
};

// A closed contour: its start point and records; the closing line back to the
// start is implied.
struct OutlineContour {
  OutlinePoint start;
  std::vector<OutlineCurve> curves;
};

using GlyphOutline = std::vector<OutlineContour>;

// The font a text is traced in.
class GlyphOutlineSource {
 public:
  virtual ~GlyphOutlineSource() = default;
  // Metrics of the glyph of `code`; nothing when the font has no glyph for it.
  virtual std::optional<GlyphMetrics> Metrics(CharacterCode code) = 0;
  // The outline of the glyph of `code`; nothing when it cannot be obtained.
  virtual std::optional<GlyphOutline> Outline(CharacterCode code) = 0;
  // The em square of the font: its width as blackBoxWidth, its ascent as
  // blackBoxHeight, origin 0.
  virtual GlyphMetrics EmBox() = 0;
};

}  // namespace ravix
