#include "drawing/converter.hpp"

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"

namespace ravix {

TILDAimage DrawingListToIldaImage(std::span<const std::filesystem::path> drawingFiles) {
  TILDAimage image;
  Drawing drawing;
  for (const auto& file : drawingFiles) {
    if (!std::filesystem::exists(file))
      continue;
    DrawingFileRead(file, drawing, 1);
    DrawingToIldaFrame(drawing, image.frames.emplace_back());
  }
  return image;
}

}  // namespace ravix
