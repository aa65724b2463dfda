#pragma once

#include <filesystem>
#include <string_view>

#include "core/palette.hpp"

namespace ravix {

// The drawing surface of previews, thumbnails and the editor canvas. The engine
// draws through it; windows adapt it to their painter.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPenColour(PackedColour colour) = 0;
  // Lines drawn after this are dashed (true) or solid (false, the default).
  virtual void SetPenDashed(bool dashed) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // A line from the pen position to (x, y); the pen ends at (x, y).
  virtual void LineTo(int x, int y) = 0;
  // An ellipse in the box with corners (x1, y1) and (x2, y2), in the pen colour.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // A hollow rectangle with corners (x1, y1) and (x2, y2), in the pen colour.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // A rectangle with corners (x1, y1) and (x2, y2) filled with `colour`.
  virtual void FillRectangle(int x1, int y1, int x2, int y2, PackedColour colour) = 0;
  // The picture file drawn with its top left corner at (x, y), in its own size.
  virtual void DrawPicture(const std::filesystem::path& file, int x, int y) = 0;
  // Text with its top left corner at (x, y), in the pen colour, at a point size.
  virtual void Text(int x, int y, std::string_view text, int pointSize) = 0;
};

}  // namespace ravix
