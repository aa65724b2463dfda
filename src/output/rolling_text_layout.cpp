#include "output/rolling_text_layout.hpp"

#include <string_view>

#include "core/truncate.hpp"
#include "drawing/text_outline.hpp"

namespace ravix {

Drawing HorizontalTextObjects(std::span<const std::string> gbkLines,
                              const RollingTextFactors& factors, GlyphOutlineSource& source) {
  CharacterTracer tracer(source);
  Drawing objects;
  for (const std::string& line : gbkLines) {
    for (const CharacterCode code : SplitCharacters(line, std::string_view::npos)) {
      objects.push_back(tracer.Trace(code, factors.widthFactor, factors.heightFactor,
                                     factors.largeSize, kRollingTextColour));
    }
  }
  return objects;
}

Drawing VerticalTextObjects(std::span<const std::string> gbkLines,
                            const RollingTextFactors& factors, GlyphOutlineSource& source) {
  CharacterTracer tracer(source);
  const double dx = GlyphDivisorX(factors.largeSize);
  const double dy = GlyphDivisorY(factors.largeSize);
  Drawing objects;
  for (const std::string& line : gbkLines) {
    const std::string_view bytes = std::string_view(line).substr(0, kTextLineBytes);
    if (bytes.empty())
      continue;
    const auto length = static_cast<std::int32_t>(bytes.size());
    const std::int32_t pitch =
        length <= factors.widthFactor ? 256 / factors.widthFactor : 256 / length;
    DrawingObject& lineObject = objects.emplace_back();
    const std::vector<CharacterCode> codes = SplitCharacters(bytes);
    for (std::size_t k = 0; k < codes.size(); ++k) {
      const DrawingObject character =
          tracer.Trace(codes[k], factors.widthFactor, factors.heightFactor, factors.largeSize,
                       kRollingTextColour);
      for (LaserPoint p : character) {
        p.x = static_cast<std::int32_t>(k) * pitch + TruncateToInt(p.x / dx);
        p.y = TruncateToInt(p.y / dy);
        lineObject.push_back(p);
      }
    }
  }
  return objects;
}

}  // namespace ravix
