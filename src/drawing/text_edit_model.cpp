#include "drawing/text_edit_model.hpp"

#include "drawing/gbk_text.hpp"

namespace ravix {

FontOpener InstalledFonts() {
  return [](const std::string& family, Status& status) -> std::unique_ptr<GlyphOutlineSource> {
    return FontGlyphSource::Open(family, status);
  };
}

TextEditModel::TextEditModel(FontOpener openFont) : openFont_(std::move(openFont)) {}

GlyphOutlineSource* TextEditModel::Font(Status& status) {
  status = {};
  if (!font_ || openFamily_ != fontFamily) {
    font_ = openFont_(fontFamily, status);
    openFamily_ = font_ ? fontFamily : std::string();
  }
  return font_.get();
}

std::vector<std::string> TextEditModel::GbkLines() const {
  std::vector<std::string> gbkLines;
  gbkLines.reserve(lines.size());
  for (const std::string& line : lines)
    gbkLines.push_back(EncodeGbk(line));
  return gbkLines;
}

Status TextEditModel::Preview(std::uint8_t colour) {
  textObjects_.clear();
  Status status;
  GlyphOutlineSource* font = Font(status);
  if (!font)
    return status;
  TextOutlineOptions generation = options;
  generation.colour = colour;
  textObjects_ = GenerateTextObjects(GbkLines(), generation, *font);
  return {};
}

Status TextEditModel::Ok(PictureEditor& editor, PictureDocument& document) {
  const Status status = Preview(document.currentColour());
  document.ClearSelection();
  const Drawing canvasObjects = TextObjectsForCanvas(textObjects_);
  if (!canvasObjects.empty())
    document.AppendObjects(canvasObjects, /*selectThem=*/true);
  editor.ChooseTool(DrawingTool::kSelectObject);
  document.ShowMessage(kTextOkMessage);
  document.Changed();
  return status;
}

}  // namespace ravix
