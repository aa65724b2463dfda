#pragma once

#include "core/palette.hpp"

namespace ravix {

// The drawing surface of previews and thumbnails. The engine draws through it;
// windows adapt it to their painter.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetPenColour(PackedColour colour) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // A line from the pen position to (x, y); the pen ends at (x, y).
  virtual void LineTo(int x, int y) = 0;
  // An ellipse in the box with corners (x1, y1) and (x2, y2), in the pen colour.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace ravix
