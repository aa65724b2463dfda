#include "drawing/text_outline.hpp"

#include <algorithm>
#include <string_view>

#include "core/truncate.hpp"

namespace ravix {

std::vector<CharacterCode> SplitCharacters(std::string_view gbkLine, std::size_t maxBytes) {
  const std::string_view bytes = gbkLine.substr(0, maxBytes);
  std::vector<CharacterCode> codes;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    if (first < 0x80) {
      codes.push_back(first);
    } else if (i + 1 < bytes.size()) {
      codes.push_back(
          static_cast<CharacterCode>(first * 256 + static_cast<unsigned char>(bytes[i + 1])));
      ++i;
    }
  }
  return codes;
}

namespace {

bool IsOneOf(CharacterCode code, std::string_view letters) {
  return code < 0x80 && letters.find(static_cast<char>(code)) != std::string_view::npos;
}

}  // namespace

CharacterBox CharacterBoxFor(CharacterCode code, std::int32_t widthFactor,
                             std::int32_t heightFactor) {
  const std::int32_t width = IsOneOf(code, "wWmM") ? 180 / widthFactor : 256 / widthFactor;
  return {width, 256 / heightFactor};
}

std::int32_t LetterShift(CharacterCode code, std::int32_t widthFactor, bool largeSize) {
  if (!IsOneOf(code, "ijlrtfIJ"))
    return 0;
  return (largeSize ? 64 : 1000) / widthFactor;
}

double GlyphDivisorX(bool largeSize) {
  return largeSize ? 1.0 : 12.0;
}
double GlyphDivisorY(bool largeSize) {
  return largeSize ? 1.0 : 9.0;
}

DrawingObject CharacterTracer::Trace(CharacterCode code, std::int32_t widthFactor,
                                     std::int32_t heightFactor, bool largeSize,
                                     std::uint8_t colour) {
  DrawingObject object;
  if (const auto outline = source_.Outline(code)) {
    TraceGlyph(*outline, scale_, CharacterBoxFor(code, widthFactor, heightFactor), colour, object);
  }
  const std::int32_t shift = LetterShift(code, widthFactor, largeSize);
  for (LaserPoint& p : object)
    p.x += shift;
  return object;
}

namespace {

bool IsBlank(std::span<const std::string> lines) {
  return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
    // Trimming drops every control character and space.
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  });
}

}  // namespace

Drawing GenerateTextObjects(std::span<const std::string> gbkLines,
                            const TextOutlineOptions& options, GlyphOutlineSource& source) {
  Drawing objects;
  if (IsBlank(gbkLines))
    return objects;
  CharacterTracer tracer(source);
  const double dx = GlyphDivisorX(options.largeSize);
  const double dy = GlyphDivisorY(options.largeSize);
  for (std::size_t r = 0; r < gbkLines.size(); ++r) {
    const std::vector<CharacterCode> codes = SplitCharacters(gbkLines[r]);
    const std::int32_t rowOffset = static_cast<std::int32_t>(r) * 256 / options.heightInterval;
    for (std::size_t c = 0; c < codes.size(); ++c) {
      DrawingObject object = tracer.Trace(codes[c], options.widthFactor, options.heightFactor,
                                          options.largeSize, options.colour);
      ThinObject(object, options.fine);
      const std::int32_t columnOffset = static_cast<std::int32_t>(c) * 256 / options.widthInterval;
      for (LaserPoint& p : object) {
        p.x = TruncateToInt(p.x / dx + columnOffset);
        p.y = TruncateToInt(p.y / dy + rowOffset);
      }
      objects.push_back(std::move(object));
    }
  }
  return objects;
}

Drawing TextObjectsForCanvas(const Drawing& textObjects) {
  Drawing result;
  for (const DrawingObject& object : textObjects) {
    DrawingObject doubled = object;
    bool inside = true;
    for (LaserPoint& p : doubled) {
      p.x *= 2;
      p.y *= 2;
      inside = inside && p.x <= kTextCanvasLimit && p.y <= kTextCanvasLimit;
    }
    if (inside)
      result.push_back(std::move(doubled));
  }
  return result;
}

}  // namespace ravix
