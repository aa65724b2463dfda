#include "core/ui/qpainter_canvas.hpp"

#include <QImage>
#include <QString>

namespace ravix {

QColor ToQColor(PackedColour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QImage CanvasPicture(int size, const std::function<void(Canvas&)>& draw) {
  QImage image(size, size, QImage::Format_RGB32);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  draw(canvas);
  return image;
}

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter), colour_(Qt::black) {
  painter_.setBrush(Qt::NoBrush);
  ApplyPen();
}

void QPainterCanvas::ApplyPen() {
  painter_.setPen(QPen(colour_, 1, dashed_ ? Qt::DashLine : Qt::SolidLine));
}

void QPainterCanvas::SetPenColour(PackedColour colour) {
  colour_ = ToQColor(colour);
  ApplyPen();
}

void QPainterCanvas::SetPenDashed(bool dashed) {
  dashed_ = dashed;
  ApplyPen();
}

void QPainterCanvas::MoveTo(int x, int y) {
  position_ = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
  const QPoint to(x, y);
  painter_.drawLine(position_, to);
  position_ = to;
}

namespace {

// The outline QPainter draws for this rectangle covers its corners' pixels up
// to, but not including, the far corner.
QRect OutlineBox(int x1, int y1, int x2, int y2) {
  const QRect box = QRect(x1, y1, x2 - x1, y2 - y1).normalized();
  return box.adjusted(0, 0, -1, -1);
}

}  // namespace

void QPainterCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  painter_.drawEllipse(OutlineBox(x1, y1, x2, y2));
}

void QPainterCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  painter_.drawRect(OutlineBox(x1, y1, x2, y2));
}

void QPainterCanvas::FillRectangle(int x1, int y1, int x2, int y2, PackedColour colour) {
  // The far corner is outside the filled area.
  painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1).normalized(), ToQColor(colour));
}

void QPainterCanvas::DrawPicture(const std::filesystem::path& file, int x, int y) {
  const QImage picture(QString::fromStdString(file.string()));
  if (!picture.isNull())
    painter_.drawImage(QPoint(x, y), picture);
}

void QPainterCanvas::Text(int x, int y, std::string_view text, int pointSize) {
  QFont font = painter_.font();
  font.setPointSize(pointSize);
  painter_.setFont(font);
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  painter_.drawText(QRect(x, y, 1 << 14, 1 << 14), Qt::AlignLeft | Qt::AlignTop, shown);
}

}  // namespace ravix
