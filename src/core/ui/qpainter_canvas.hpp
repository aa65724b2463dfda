#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "core/canvas.hpp"

namespace ravix {

// Canvas on a QPainter: what the engine draws lands in a window or an image.
// Ellipses, rectangles and fills stay inside their box without its far corner.
class QPainterCanvas final : public Canvas {
 public:
  explicit QPainterCanvas(QPainter& painter);

  void SetPenColour(PackedColour colour) override;
  void SetPenDashed(bool dashed) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void FillRectangle(int x1, int y1, int x2, int y2, PackedColour colour) override;
  void DrawPicture(const std::filesystem::path& file, int x, int y) override;
  void Text(int x, int y, std::string_view text, int pointSize) override;

 private:
  void ApplyPen();

  QPainter& painter_;
  QColor colour_;
  bool dashed_ = false;
  QPoint position_;
};

// The Qt colour of a packed palette colour.
QColor ToQColor(PackedColour colour);

// A square picture of `size` pixels drawn through a canvas.
QImage CanvasPicture(int size, const std::function<void(Canvas&)>& draw);

}  // namespace ravix
