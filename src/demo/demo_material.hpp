#pragma once

#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/glyph_outline_source.hpp"
#include "segments/effect_list.hpp"

namespace ravix {

// A named demo drawing in the drawing editor's canvas coordinates (0..510).
struct DemoDrawing {
  std::string name;
  Drawing canvas;
};

// The demo drawings: circle, star, square, triangle and a flower of arcs, each
// traced by the shape generators, vertices marked, the first point of every
// object blanked.
std::vector<DemoDrawing> DemoDrawings();

// The demo words "RAVIX", "LASER" and "HELLO", each traced from the glyphs of
// `font` as the text window's OK adds it, centred on the canvas.
std::vector<DemoDrawing> DemoTextDrawings(GlyphOutlineSource& font);

// 36 frames of the star turning once, in drawing space.
FrameList DemoTurningStar();
// 24 frames of a circle growing and shrinking, colour changing, in drawing space.
FrameList DemoPulse();

// The demo effects: "Spin", "Wave", "Zoom" and "Colour".
EffectList DemoEffects();

}  // namespace ravix
