#include "drawing/ui/picture_canvas_widget.hpp"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/ui/qpainter_canvas.hpp"
#include "drawing/picture_renderer.hpp"

namespace ravix {
namespace {

ToolEvent ToToolEvent(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  return {{at.x(), at.y()}, (event.modifiers() & Qt::ControlModifier) != 0};
}

}  // namespace

PictureCanvasWidget::PictureCanvasWidget(PictureEditor& editor, const PictureDocument& document,
                                         QWidget* parent)
    : QWidget(parent), editor_(editor), document_(document) {
  setFixedSize(kPictureCanvasSize, kPictureCanvasSize);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
}

QSize PictureCanvasWidget::sizeHint() const {
  return {kPictureCanvasSize, kPictureCanvasSize};
}

void PictureCanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  editor_.Render(canvas);
}

void PictureCanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    editor_.LeftDown(ToToolEvent(*event));
  else if (event->button() == Qt::RightButton)
    editor_.RightDown(ToToolEvent(*event));
  else
    return;
  FollowCursorConfinement();
  emit mouseForwarded();
}

void PictureCanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  if (grabbing_ && !rect().contains(event->position().toPoint())) {
    const QPoint at = event->position().toPoint();
    const QPoint inside(std::clamp(at.x(), 0, width() - 1), std::clamp(at.y(), 0, height() - 1));
    QCursor::setPos(mapToGlobal(inside));
    return;
  }
  editor_.MouseMove(ToToolEvent(*event));
  emit mouseForwarded();
}

// The engine says when the cursor is held; a grab keeps every move coming here
// so the cursor can be put back inside.
void PictureCanvasWidget::FollowCursorConfinement() {
  if (document_.cursorConfined() == grabbing_)
    return;
  grabbing_ = document_.cursorConfined();
  if (grabbing_)
    grabMouse();
  else
    releaseMouse();
}

}  // namespace ravix
