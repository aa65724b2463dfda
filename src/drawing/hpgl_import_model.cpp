#include "drawing/hpgl_import_model.hpp"

#include <system_error>
#include <utility>

namespace ravix {

bool HpglImportModel::Preview(std::uint8_t currentColour) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error))
    return false;
  const HpglImportSettings settings{sizeFactor, fineFactor, currentColour};
  HpglImportFile(fileName, settings, import_);
  return true;
}

void HpglImportModel::Ok(PictureDocument& editor) {
  if (Preview(editor.currentColour())) {
    editor.ClearSelection();
    if (!import_.objects.empty())
      editor.AppendObjects(std::exchange(import_.objects, {}), true);
  }
  editor.Changed();
}

}  // namespace ravix
