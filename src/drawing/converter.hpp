#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/ilda_image.hpp"
#include "core/status.hpp"
#include "drawing/frame_list_file.hpp"

namespace ravix {

// "Drawing convert list->ILD": one ILDA frame per drawing file, in order, read
// at scale 1 and converted to ILDA space. Files that do not exist add no frame.
TILDAimage DrawingListToIldaImage(std::span<const std::filesystem::path> drawingFiles);

// "Convert list->Frame list": frame i is drawing file i read at scale 1. A file
// that cannot be read keeps its position as an empty frame.
FrameList DrawingListToFrameList(std::span<const std::filesystem::path> drawingFiles);

// "Frame list<-ILD": each ILDA frame becomes a frame of one object holding all
// its points in drawing space (x + 128, 127 - y; state 0).
FrameList IldaImageToFrameList(const TILDAimage& image);

// "Merge File": every frame of every file, in order; palettes are not carried
// over. A file that cannot be read adds no frames.
TILDAimage MergeIldaFiles(std::span<const std::filesystem::path> ildaFiles);

// The name of the converter's drawing file `number` (from 1): prefix, the number
// in five digits with leading zeros (more when it needs them), ".ddr".
std::string NumberedDrawingFileName(std::string_view prefix, std::size_t number);

// The drawing file of frame `number` (from 1) of an exploded frame list or ILDA
// file named `base`: base + "_Frames_" + the number in five digits + ".ddr".
std::string ExplodedDrawingFileName(std::string_view base, std::size_t number);

// Explosion of a frame list: frame i (from 1) is written at scale 1 as
// base + "_Frames_" + i in five digits + ".ddr" beside base, replacing
// existing files. Stops at the first file that cannot be written.
Status ExplodeFrameList(const FrameList& frames, const std::filesystem::path& base);

}  // namespace ravix
