#include "output/ui/offset_pad_widget.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "core/ui/qpainter_canvas.hpp"
#include "output/offset_pad.hpp"

namespace ravix {

OffsetPadWidget::OffsetPadWidget(PlaySettingsPanel& panel, QWidget* parent)
    : QWidget(parent),
      panel_(panel),
      picture_(kOffsetPadSize, kOffsetPadSize, QImage::Format_RGB32) {
  setObjectName("offsetPad");
  setFixedSize(kOffsetPadSize, kOffsetPadSize);
  setCursor(Qt::CrossCursor);
  picture_.fill(Qt::black);
}

void OffsetPadWidget::Redraw() {
  QPainter painter(&picture_);
  QPainterCanvas canvas(painter);
  DrawOffsetPad(canvas, panel_.Marker());
  update();
}

void OffsetPadWidget::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, picture_);
}

void OffsetPadWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    Press(event->position().toPoint());
}

void OffsetPadWidget::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton)
    Press(event->position().toPoint());
}

void OffsetPadWidget::Press(QPoint position) {
  panel_.PressPad(position.x(), position.y());
  Redraw();
  emit offsetsChanged();
}

}  // namespace ravix
