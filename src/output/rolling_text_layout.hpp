#pragma once

#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "core/laser_point.hpp"
#include "drawing/glyph_outline_source.hpp"

namespace ravix {

inline constexpr const char* kHorizontalTextStartText = "Text starting";
inline constexpr const char* kVerticalTextStartText = "text starting";
// Every traced point of rolling text is green.
inline constexpr std::uint8_t kRollingTextColour = 4;

// The factors the text is traced with.
struct RollingTextFactors {
  std::int32_t widthFactor = 4;
  std::int32_t heightFactor = 4;
  bool largeSize = false;
};

// One object per character of every line (GBK bytes), in reading order, each
// in its own character box, unscaled and without thinning.
Drawing HorizontalTextObjects(std::span<const std::string> gbkLines,
                              const RollingTextFactors& factors, GlyphOutlineSource& source);

// One object per line that is not empty after its cut to 20 bytes: its
// characters side by side at a pitch of 256 / widthFactor, or 256 / length
// for a line of more bytes than widthFactor, glyphs scaled by "Large size".
Drawing VerticalTextObjects(std::span<const std::string> gbkLines,
                            const RollingTextFactors& factors, GlyphOutlineSource& source);

}  // namespace ravix
