#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/laser_point.hpp"
#include "core/status.hpp"
#include "drawing/font_glyph_source.hpp"
#include "drawing/glyph_outline_source.hpp"
#include "drawing/picture_document.hpp"
#include "drawing/picture_editor.hpp"
#include "drawing/text_outline.hpp"

namespace ravix {

inline constexpr const char* kInitialText = "Text";
inline constexpr const char* kTextOkMessage = "Select object";

// Opens the font of a family name; nothing, with the reason, when it cannot.
using FontOpener =
    std::function<std::unique_ptr<GlyphOutlineSource>(const std::string& family, Status& status)>;

// The fonts of the system, through fontconfig.
FontOpener InstalledFonts();

// The "Text  Edit" window's text, font and factors, the text objects of its
// preview (preview coordinates) and its OK into the "Picture edit" drawing.
class TextEditModel {
 public:
  explicit TextEditModel(FontOpener openFont = InstalledFonts());

  // The text box, one UTF-8 string a line.
  std::vector<std::string> lines{kInitialText};
  std::string fontFamily = kDefaultTextFont;
  // The factors; the colour is the editor's current colour at generation.
  TextOutlineOptions options;
  bool autoPreview = true;

  // Preview: the text objects generated again (none for a blank text) in
  // `colour`. Fails when the font cannot be opened; the objects are then empty.
  Status Preview(std::uint8_t colour);
  const Drawing& textObjects() const { return textObjects_; }
  // "PointCount".
  std::size_t pointCount() const { return PointCount(textObjects_); }

  // "&OK": generates again in the editor's current colour, unselects
  // everything, appends every object that fits the canvas (doubled, 530 at
  // most) selected, with an undo step when any was added; the editor's tool
  // becomes Select O with the message "Select object".
  Status Ok(PictureEditor& editor, PictureDocument& document);

  // The text box's lines in GBK bytes, as they are laid out.
  std::vector<std::string> GbkLines() const;

  // The font for rolling text (the text window's play button).
  GlyphOutlineSource* Font(Status& status);

 private:
  FontOpener openFont_;
  std::string openFamily_;
  std::unique_ptr<GlyphOutlineSource> font_;
  Drawing textObjects_;
};

}  // namespace ravix
