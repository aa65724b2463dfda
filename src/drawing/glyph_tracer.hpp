#pragma once

#include <cstdint>

#include "core/laser_point.hpp"
#include "drawing/glyph_outline_source.hpp"

namespace ravix {

// The one scale all glyphs of a font share: E = the reference character's
// black-box width plus its origin x, BY = its black-box height.
struct GlyphScale {
  double e = 1;
  double by = 0;
};

// The reference character's scale; a font without it (or with an empty one)
// is scaled by its em square instead: E = the em width, BY = the ascent.
GlyphScale ReferenceScale(GlyphOutlineSource& source);

// The character box a glyph is traced into.
struct CharacterBox {
  std::int32_t width = 64;   // W
  std::int32_t height = 64;  // H
};

// Appends the runs of every contour of `outline` to `object`: the start point,
// the line records' points, and for each spline record B0..Bn-1 the previous
// point again and the midpoint of Bk and Bk+1 (k = 0..n-2) followed by Bn-1;
// each run closed by a copy of its start. Points map to
// X = 2 W (gx + 0.5) / E and Y = H (BY - gy - 0.5) / E, truncated. Start,
// line, spline end and closing points get z 2, the others z 0; each run's
// first point is blanked.
void TraceGlyph(const GlyphOutline& outline, const GlyphScale& scale, CharacterBox box,
                std::uint8_t colour, DrawingObject& object);

// Keeps the first point and every later point whose squared distance to the
// last kept point is at least fine x fine. A dropped run start passes its
// blanking on to the next kept point, so no contour is joined to the one
// before it by a lit line.
void ThinObject(DrawingObject& object, std::int32_t fine);

}  // namespace ravix
