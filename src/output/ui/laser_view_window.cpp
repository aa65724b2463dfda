#include "output/ui/laser_view_window.hpp"

#include <QPainter>

#include "core/ui/qpainter_canvas.hpp"

namespace ravix {
namespace {

constexpr int kScale = 2;
constexpr int kSide = 256 * kScale;
constexpr int kRefreshMs = 30;

QPoint ViewPoint(int x, int y) {
  return QPoint(x * kScale + kScale / 2, y * kScale + kScale / 2);
}

}  // namespace

LaserViewWindow::LaserViewWindow(LaserView& view, const QString& deviceName, QWidget* parent)
    : QWidget(parent, Qt::Window), view_(view) {
  setWindowTitle(QString("%1 %2").arg(kLaserViewCaption, deviceName));
  setFixedSize(kSide, kSide);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&refresh_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  refresh_.start(kRefreshMs);
}

void LaserViewWindow::paintEvent(QPaintEvent*) {
  view_.Visible(LaserView::Clock::now(), visible_);
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  for (const BeamSegment& s : visible_) {
    QColor colour = ToQColor(s.colour);
    colour.setAlphaF(s.intensity);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(ViewPoint(s.x0, s.y0), ViewPoint(s.x1, s.y1));
  }
}

}  // namespace ravix
