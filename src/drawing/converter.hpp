#pragma once

#include <filesystem>
#include <span>

#include "core/ilda_image.hpp"

namespace ravix {

// "Drawing convert list->ILD": one ILDA frame per drawing file, in order, read
// at scale 1 and converted to ILDA space. Files that do not exist add no frame.
TILDAimage DrawingListToIldaImage(std::span<const std::filesystem::path> drawingFiles);

}  // namespace ravix
