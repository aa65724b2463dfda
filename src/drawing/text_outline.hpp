#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/laser_point.hpp"
#include "drawing/glyph_outline_source.hpp"
#include "drawing/glyph_tracer.hpp"

namespace ravix {

// Only the first bytes of a text line are laid out.
inline constexpr std::size_t kTextLineBytes = 20;
// On OK, an object with a doubled coordinate beyond this is left out.
inline constexpr std::int32_t kTextCanvasLimit = 530;

// The factors of the "Text  Edit" window, with their defaults.
struct TextOutlineOptions {
  std::int32_t widthFactor = 4;     // character box width 256 / factor
  std::int32_t heightFactor = 4;    // character box height 256 / factor
  std::int32_t widthInterval = 4;   // column pitch 256 / value
  std::int32_t heightInterval = 4;  // row pitch 256 / value
  std::int32_t fine = 3;            // thinning distance
  bool largeSize = false;           // off: glyphs shrunk to 1/12 in x and 1/9 in y
  std::uint8_t colour = 4;
};

// The characters of the first `maxBytes` bytes of a GBK line: a byte below 128
// is one character, a byte of 128 or more starts a two-byte one. A two-byte
// character cut by the limit is left out.
std::vector<CharacterCode> SplitCharacters(std::string_view gbkLine,
                                           std::size_t maxBytes = kTextLineBytes);

// The box of a character: 180 / widthFactor wide for w, W, m and M, else
// 256 / widthFactor; 256 / heightFactor high.
CharacterBox CharacterBoxFor(CharacterCode code, std::int32_t widthFactor,
                             std::int32_t heightFactor);

// What i, j, l, r, t, f, I and J are moved right by: 64 / widthFactor with
// "Large size", else 1000 / widthFactor; 0 for every other character.
std::int32_t LetterShift(CharacterCode code, std::int32_t widthFactor, bool largeSize);

// Glyph coordinates are divided by these: 1 with "Large size", else 12 in x
// and 9 in y.
double GlyphDivisorX(bool largeSize);
double GlyphDivisorY(bool largeSize);

// Traces characters of one font, all scaled by its reference character.
class CharacterTracer {
 public:
  explicit CharacterTracer(GlyphOutlineSource& source)
      : source_(source), scale_(ReferenceScale(source)) {}

  // One character in its own box, without thinning, with its letter shift
  // added to x. A character without outline gives an empty object.
  DrawingObject Trace(CharacterCode code, std::int32_t widthFactor, std::int32_t heightFactor,
                      bool largeSize, std::uint8_t colour);

 private:
  GlyphOutlineSource& source_;
  GlyphScale scale_;
};

// The text objects of the window's Preview: one object per character of every
// line (lines in GBK bytes), thinned, scaled and placed in rows and columns.
// A text that is blank gives no objects.
Drawing GenerateTextObjects(std::span<const std::string> gbkLines,
                            const TextOutlineOptions& options, GlyphOutlineSource& source);

// What OK adds to the drawing: the objects with x and y doubled (canvas
// coordinates), leaving out every object with a coordinate beyond 530.
Drawing TextObjectsForCanvas(const Drawing& textObjects);

}  // namespace ravix
