#include "demo/demo_material.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "core/palette.hpp"
#include "drawing/shape_generators.hpp"
#include "drawing/text_outline.hpp"
#include "output/drawing_playback.hpp"
#include "output/transform_primitives.hpp"

namespace ravix {
namespace {

constexpr std::int32_t kCanvasCentre = 255;
constexpr std::int32_t kSpacing = 14;
constexpr std::int32_t kVertex = 2;
// Five letters of "Large size" glyphs across the canvas.
constexpr std::int32_t kWordWidthFactor = 7;
constexpr std::int32_t kWordHeightFactor = 3;
constexpr std::int32_t kWordWidthInterval = 5;

// The object as the editor stores it: the colour on every point and the beam
// dark on its way to the first point.
DrawingObject Lit(DrawingObject points, std::uint8_t colour) {
  for (LaserPoint& p : points)
    p.colour = colour;
  if (!points.empty())
    points.front().blanked = 1;
  return points;
}

// A closed or open path through `vertices`, with the line points between them.
DrawingObject Path(const DrawingObject& vertices, std::uint8_t colour) {
  DrawingObject points;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    LaserPoint vertex = vertices[i];
    vertex.z = kVertex;
    points.push_back(vertex);
    if (i + 1 < vertices.size()) {
      const LaserPoint& next = vertices[i + 1];
      const DrawingObject between = LineFill(vertex.x, vertex.y, next.x, next.y, kSpacing);
      points.insert(points.end(), between.begin(), between.end());
    }
  }
  return Lit(std::move(points), colour);
}

DrawingObject Polygon(std::int32_t radius, std::int32_t sides, std::uint8_t colour) {
  return Path(
      PolygonVertices(kCanvasCentre, kCanvasCentre, kCanvasCentre + radius, kCanvasCentre, sides),
      colour);
}

DrawingObject Star(std::int32_t radius, std::uint8_t colour) {
  const DrawingObject corners =
      PolygonVertices(kCanvasCentre, kCanvasCentre, kCanvasCentre + radius, kCanvasCentre, 5);
  DrawingObject star;
  for (std::size_t k = 0; k <= 5; ++k)
    star.push_back(corners[(2 * k) % 5]);
  return Path(star, colour);
}

DrawingObject Circle(std::int32_t radius, std::uint8_t colour) {
  return Lit(EllipseFill(kCanvasCentre - radius, kCanvasCentre - radius, kCanvasCentre + radius,
                         kCanvasCentre + radius, kSpacing),
             colour);
}

Drawing Flower() {
  Drawing petals;
  const std::uint8_t colours[] = {kColourRed, kColourYellow, kColourMagenta, kColourCyan};
  for (int k = 0; k < 4; ++k) {
    const double a = k * 3.1415926 / 2;
    const auto cx = static_cast<std::int32_t>(kCanvasCentre + 90 * std::cos(a));
    const auto cy = static_cast<std::int32_t>(kCanvasCentre + 90 * std::sin(a));
    petals.push_back(Lit(EllipseFill(cx - 80, cy - 80, cx + 80, cy + 80, kSpacing), colours[k]));
  }
  petals.push_back(Circle(30, kColourGreen));
  return petals;
}

// `drawing` moved so that the middle of its extent is the canvas centre.
Drawing Centred(Drawing drawing) {
  std::int32_t left = std::numeric_limits<std::int32_t>::max();
  std::int32_t top = left;
  std::int32_t right = std::numeric_limits<std::int32_t>::min();
  std::int32_t bottom = right;
  for (const DrawingObject& object : drawing) {
    for (const LaserPoint& p : object) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
  }
  const std::int32_t dx = kCanvasCentre - (left + right) / 2;
  const std::int32_t dy = kCanvasCentre - (top + bottom) / 2;
  for (DrawingObject& object : drawing) {
    for (LaserPoint& p : object) {
      p.x += dx;
      p.y += dy;
    }
  }
  return drawing;
}

DemoDrawing Word(const char* name, const char* word, std::uint8_t colour,
                 GlyphOutlineSource& font) {
  TextOutlineOptions options;
  options.largeSize = true;
  options.widthFactor = kWordWidthFactor;
  options.heightFactor = kWordHeightFactor;
  options.widthInterval = kWordWidthInterval;
  options.colour = colour;
  const std::string lines[] = {word};
  return {name, Centred(TextObjectsForCanvas(GenerateTextObjects(lines, options, font)))};
}

// A drawing-space copy of a canvas drawing.
Drawing InDrawingSpace(const Drawing& canvas) {
  return MakeDrawingPlayCopy(canvas);
}

}  // namespace

std::vector<DemoDrawing> DemoDrawings() {
  return {
      {"Circle", {Circle(200, kColourGreen)}},
      {"Flower", Flower()},
      {"Square", {Polygon(220, 4, kColourYellow)}},
      {"Star", {Star(220, kColourRed)}},
      {"Triangle", {Polygon(210, 3, kColourCyan), Circle(60, kColourBlue)}},
  };
}

std::vector<DemoDrawing> DemoTextDrawings(GlyphOutlineSource& font) {
  return {
      Word("Ravix", "RAVIX", kColourCyan, font),
      Word("Laser", "LASER", kColourRed, font),
      Word("Hello", "HELLO", kColourYellow, font),
  };
}

FrameList DemoTurningStar() {
  const Drawing star = InDrawingSpace({Star(220, kColourRed)});
  FrameList frames;
  for (int k = 0; k < 36; ++k) {
    Drawing frame = star;
    for (DrawingObject& object : frame) {
      for (LaserPoint& p : object) {
        double x = p.x;
        double y = p.y;
        RotateAbout(k * 10.0, 128, 128, x, y);
        p.x = static_cast<std::int32_t>(x);
        p.y = static_cast<std::int32_t>(y);
        p.colour = static_cast<std::uint8_t>(kColourRed + (k / 6) % 6);
      }
    }
    frames.push_back(std::move(frame));
  }
  return frames;
}

FrameList DemoPulse() {
  FrameList frames;
  for (int k = 0; k < 24; ++k) {
    const int radius = 40 + 8 * (k < 12 ? k : 24 - k);
    const auto colour = static_cast<std::uint8_t>(kColourWhite + k % 7);
    frames.push_back(InDrawingSpace({Circle(2 * radius, colour)}));
  }
  return frames;
}

EffectList DemoEffects() {
  return {{
      {"Spin", {"ro:128,128,200"}},
      {"Wave", {"hb:150", "vr:160"}},
      {"Zoom", {"zoom:128,128,220"}},
      {"Colour", {"co:200"}},
  }};
}

}  // namespace ravix
