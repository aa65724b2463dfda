#pragma once

#include <map>
#include <optional>

#include "drawing/glyph_outline_source.hpp"

namespace ravix::testing {

// A font whose glyphs the test gives; metrics in outline units.
class FakeGlyphSource : public GlyphOutlineSource {
 public:
  std::optional<GlyphMetrics> reference;
  GlyphMetrics em{100, 80, 0};
  std::map<CharacterCode, GlyphOutline> glyphs;

  std::optional<GlyphMetrics> Metrics(CharacterCode code) override {
    if (code == kReferenceCharacter)
      return reference;
    return std::nullopt;
  }
  std::optional<GlyphOutline> Outline(CharacterCode code) override {
    const auto found = glyphs.find(code);
    if (found == glyphs.end())
      return std::nullopt;
    return found->second;
  }
  GlyphMetrics EmBox() override { return em; }
};

}  // namespace ravix::testing
