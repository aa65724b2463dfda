#include "core/ui/qpainter_canvas.hpp"

#include <gtest/gtest.h>

#include <QImage>

#include "core/preview_renderer.hpp"
#include "output/offset_pad.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;

TEST(QPainterCanvas, DrawsTheOffsetPad) {
  QImage image(256, 256, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    DrawOffsetPad(canvas, PadPoint{40, 200});
  }
  EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(255, 255), QColor(0, 0, 0));
  int dashPixels = 0;
  for (int y = 0; y < 256; ++y)
    dashPixels += image.pixelColor(128, y) == QColor(128, 128, 128);
  EXPECT_GT(dashPixels, 64);  // dashed: grey with gaps
  EXPECT_LT(dashPixels, 240);
  EXPECT_EQ(image.pixelColor(37, 200), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(42, 200), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(43, 200), QColor(0, 0, 0));
  EXPECT_EQ(image.pixelColor(40, 200), QColor(0, 0, 0));  // the circle is hollow
}

TEST(QPainterCanvas, DrawsPreviewLinesInPaletteColours) {
  QImage image(64, 64, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    DrawingObject line = {P(0, 40, 0, kColourRed), P(200, 40, 0, kColourRed)};
    DrawObject(canvas, line, 0, 4);
  }
  EXPECT_EQ(image.pixelColor(25, 10), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(25, 20), QColor(0, 0, 0));
}

}  // namespace
}  // namespace ravix
