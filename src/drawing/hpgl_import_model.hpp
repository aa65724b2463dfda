#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/laser_point.hpp"
#include "drawing/hpgl_import.hpp"
#include "drawing/picture_document.hpp"

namespace ravix {

// The "Import PLT" window's state: the file name, the two factors and the
// staging list that "OK" hands to the "Picture edit" drawing.
class HpglImportModel {
 public:
  std::filesystem::path fileName;
  int sizeFactor = kHpglDefaultSizeFactor;
  int fineFactor = kHpglDefaultFineFactor;

  // "Preview": when the file exists, parses it into the staging list with the
  // editor's current colour. False when there is no such file.
  bool Preview(std::uint8_t currentColour);

  // "OK": when the file exists, parses it with the editor's current colour,
  // unselects everything in the editor and moves the staged objects into its
  // drawing with all their points selected (one undo step), leaving the
  // staging list empty. The editor is repainted in every case.
  void Ok(PictureDocument& editor);

  const Drawing& staged() const { return import_.objects; }
  // "Point count:" of the preview.
  std::size_t stagedPointCount() const { return PointCount(import_.objects); }
  // Unreadable pen move lines of the last parse, and their report.
  std::size_t skippedLines() const { return import_.skippedLines; }
  std::string skippedLinesMessage() const { return HpglSkippedLinesMessage(import_.skippedLines); }

 private:
  HpglImport import_;
};

}  // namespace ravix
