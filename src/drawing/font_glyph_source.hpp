#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/status.hpp"
#include "drawing/glyph_outline_source.hpp"

namespace ravix {

// The default font of the text window; fontconfig resolves it to an installed
// font with Chinese glyphs when no font carries this name.
inline constexpr const char* kDefaultTextFont = "宋体";

// The size outlines are loaded at, in pixels per em.
inline constexpr int kGlyphPixelSize = 256;

// Glyphs of an installed font: fontconfig finds the font file for a family
// name, FreeType loads the unhinted outlines. Not shared between threads.
class FontGlyphSource final : public GlyphOutlineSource {
 public:
  ~FontGlyphSource() override;

  // The best installed match for `family`, preferring fonts with Chinese glyphs
  // when the family itself is not installed.
  static std::unique_ptr<FontGlyphSource> Open(const std::string& family, Status& status);

  // The family of the font file that was found.
  const std::string& familyName() const { return familyName_; }

  std::optional<GlyphMetrics> Metrics(CharacterCode code) override;
  std::optional<GlyphOutline> Outline(CharacterCode code) override;
  GlyphMetrics EmBox() override;

 private:
  struct Handles;
  explicit FontGlyphSource(std::unique_ptr<Handles> handles, std::string familyName);
  // Loads the glyph of `code` into the face's slot; false when it cannot.
  bool LoadGlyph(CharacterCode code, bool requireGlyph);

  std::unique_ptr<Handles> handles_;
  std::string familyName_;
};

}  // namespace ravix
