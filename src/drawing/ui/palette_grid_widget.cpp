#include "drawing/ui/palette_grid_widget.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "core/palette.hpp"
#include "core/ui/qpainter_canvas.hpp"

namespace ravix {

PaletteGridWidget::PaletteGridWidget(QWidget* parent) : QWidget(parent) {
  setFixedSize(kPaletteGridColumns * kPaletteCellSize, kPaletteGridRows * kPaletteCellSize);
}

void PaletteGridWidget::ShowChosen(std::uint8_t index) {
  chosen_ = index;
  update();
}

void PaletteGridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int column = 0; column < kPaletteGridColumns; ++column) {
    for (int row = 0; row < kPaletteGridRows; ++row) {
      const auto index = static_cast<std::uint8_t>(row + kPaletteGridRows * column);
      const QRect cell(column * kPaletteCellSize, row * kPaletteCellSize, kPaletteCellSize,
                       kPaletteCellSize);
      painter.fillRect(cell, ToQColor(PaletteColour(index)));
      painter.setPen(index == chosen_ ? QPen(Qt::white, 2) : QPen(Qt::darkGray, 1));
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
  }
}

void PaletteGridWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int column = at.x() / kPaletteCellSize;
  const int row = at.y() / kPaletteCellSize;
  if (column >= 0 && column < kPaletteGridColumns && row >= 0 && row < kPaletteGridRows)
    emit cellClicked(column, row);
}

}  // namespace ravix
