#include "drawing/shape_generators.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/truncate.hpp"

namespace ravix {
namespace {

constexpr double kHalfPi = 1.5707963;
constexpr double kPi = 3.1415926;
constexpr double kThreeHalvesPi = 4.7123889;
constexpr double kPolygonPi = 3.1416;
constexpr double kFullTurn = 6.2832;
constexpr double kAngleStep = 0.001;

LaserPoint At(std::int64_t x, std::int64_t y) {
  LaserPoint p;
  p.x = static_cast<std::int32_t>(x);
  p.y = static_cast<std::int32_t>(y);
  return p;
}

LaserPoint AtTruncated(double x, double y) {
  return At(TruncateToInt(x), TruncateToInt(y));
}

double Distance(double dx, double dy) {
  return std::sqrt(dx * dx + dy * dy);
}

// Values from `from` + step toward `to`, `to` excluded.
template <typename Emit>
void StepBetween(std::int64_t from, std::int64_t to, std::int64_t step, Emit emit) {
  if (to > from) {
    for (std::int64_t v = from + step; v < to; v += step)
      emit(v);
  } else {
    for (std::int64_t v = from - step; v > to; v -= step)
      emit(v);
  }
}

// Truncation of a value first rounded to single precision.
std::int32_t TruncateSingle(double value) {
  return TruncateToInt(static_cast<float>(value));
}

// Keeps the first point and every point at least `spacing` from the last one kept.
void Thin(DrawingObject& points, std::int32_t spacing) {
  if (points.empty())
    return;
  const double limit = static_cast<double>(spacing) * spacing;
  std::size_t kept = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double dx = static_cast<double>(points[i].x) - points[kept].x;
    const double dy = static_cast<double>(points[i].y) - points[kept].y;
    if (dx * dx + dy * dy >= limit)
      points[++kept] = points[i];
  }
  points.resize(kept + 1);
}

}  // namespace

DrawingObject LineFill(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                       std::int32_t spacing) {
  const std::int64_t s = std::max(spacing, 1);
  const std::int64_t dx = std::llabs(std::int64_t{x1} - x0);
  const std::int64_t dy = std::llabs(std::int64_t{y1} - y0);
  DrawingObject points;
  if (dy == 0 && s < dx) {
    StepBetween(x0, x1, s, [&](std::int64_t x) { points.push_back(At(x, y0)); });
  }
  if (dx == 0 && s < dy) {
    StepBetween(y0, y1, s, [&](std::int64_t y) { points.push_back(At(x0, y)); });
  }
  if (dx == 0 || dy == 0)
    return points;

  const double rise = static_cast<double>(std::int64_t{y1} - y0);
  const double run = static_cast<double>(std::int64_t{x1} - x0);
  const double length = rise / std::sin(std::atan2(rise, run));
  const std::int64_t n = std::max<std::int64_t>(TruncateToInt(length / static_cast<double>(s)), 1);
  const float r = static_cast<float>(rise / run);
  const float t = static_cast<float>(y0) - static_cast<float>(x0) * r;
  // A step of at least 1: a step of 0 (short diagonals at spacing 1) never ends.
  if (dx < dy && s < dy) {
    StepBetween(y0, y1, std::max<std::int64_t>(dy / n, 1), [&](std::int64_t y) {
      const float fy = static_cast<float>(y);
      points.push_back(At(TruncateSingle((static_cast<double>(fy) - t) / r), y));
    });
  } else if (dx >= dy && s < dx) {
    StepBetween(x0, x1, std::max<std::int64_t>(dx / n, 1), [&](std::int64_t x) {
      const float fx = static_cast<float>(x);
      points.push_back(At(x, TruncateSingle(static_cast<double>(t) + static_cast<double>(r) * fx)));
    });
  }
  return points;
}

DrawingObject EllipseFill(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                          std::int32_t spacing) {
  const double w = std::fabs(static_cast<double>(x1) - x0);
  const double h = std::fabs(static_cast<double>(y1) - y0);
  if (w == 0 || h == 0)
    return {};
  const std::int64_t n = TruncateToInt(std::sqrt(w * w + h * h) * 0.2 + 2);
  const std::int64_t cx = x0 + (std::int64_t{x1} - x0) / 2;
  const std::int64_t cy = y0 + (std::int64_t{y1} - y0) / 2;

  DrawingObject q1, q2, q3, q4;
  const double step = kHalfPi / static_cast<double>(n);
  for (double a = 0; a < kHalfPi; a += step) {
    const double tangent = std::tan(a);
    const double m = tangent * tangent / (h * h) + 1 / (w * w);
    if (m == 0)
      continue;
    const double p = std::sqrt(1 / m) * 0.5;
    const double q = p * tangent;
    q1.push_back(AtTruncated(cx + p, cy + q));
    q2.push_back(AtTruncated(cx - p, cy + q));
    q3.push_back(AtTruncated(cx - p, cy - q));
    q4.push_back(AtTruncated(cx + p, cy - q));
  }
  if (cy < y0) {
    q1.push_back(At(cx, y0));
    q3.push_back(At(cx, y1));
  } else {
    q1.push_back(At(cx, y1));
    q3.push_back(At(cx, y0));
  }

  DrawingObject points = std::move(q1);
  points.insert(points.end(), q2.rbegin(), q2.rend());
  points.insert(points.end(), q3.begin(), q3.end());
  points.insert(points.end(), q4.rbegin(), q4.rend());
  Thin(points, std::max(spacing, 1));
  // A run of points equal in position, colour and blanking keeps its first.
  points.erase(std::unique(points.begin(), points.end(),
                           [](const LaserPoint& a, const LaserPoint& b) {
                             return a.x == b.x && a.y == b.y && a.colour == b.colour &&
                                    a.blanked == b.blanked;
                           }),
               points.end());
  if (points.front().x != points.back().x || points.front().y != points.back().y) {
    points.push_back(points.front());
  }
  return points;
}

namespace {

double ArcAngle(std::int64_t dx, std::int64_t dy) {
  if (dy == 0)
    return dx > 0 ? 0 : kPi;
  if (dx == 0)
    return dy > 0 ? kHalfPi : kThreeHalvesPi;
  return std::atan2(static_cast<double>(dy), static_cast<double>(dx));
}

}  // namespace

DrawingObject ArcFill(std::int32_t cx, std::int32_t cy, std::int32_t sx, std::int32_t sy,
                      std::int32_t ex, std::int32_t ey, std::int32_t spacing) {
  if ((sx == cx && sy == cy) || (ex == cx && ey == cy))
    return {};
  const double r = Distance(static_cast<double>(cx) - sx, static_cast<double>(cy) - sy);
  const double a = ArcAngle(std::int64_t{sx} - cx, std::int64_t{sy} - cy);
  const double b = ArcAngle(std::int64_t{ex} - cx, std::int64_t{ey} - cy);
  DrawingObject points;
  const auto emit = [&](double t) {
    points.push_back(AtTruncated(cx + r * std::cos(t), cy + r * std::sin(t)));
  };
  if (a < b) {
    for (double t = a; t <= b; t += kAngleStep)
      emit(t);
  } else if (a > b) {
    for (double t = a; t >= b; t -= kAngleStep)
      emit(t);
  }
  Thin(points, std::max(spacing, 1));
  return points;
}

DrawingObject PolygonVertices(std::int32_t cx, std::int32_t cy, std::int32_t px, std::int32_t py,
                              std::int32_t sides) {
  if (px == cx && py == cy)
    return {};
  const double r = Distance(static_cast<double>(px) - cx, static_cast<double>(py) - cy);
  const double side = 2 * r * std::sin(kPolygonPi / std::max(sides, 3));
  double refX = cx + r;
  double refY = cy;
  DrawingObject points;
  for (double t = 0; t <= kFullTurn; t += kAngleStep) {
    const double x = cx + r * std::cos(t);
    const double y = cy + r * std::sin(t);
    if (TruncateToInt(side - Distance(x - refX, y - refY)) == 0) {
      points.push_back(AtTruncated(x, y));
      refX = x;
      refY = y;
    }
  }
  if (!points.empty())
    points.push_back(points.front());
  return points;
}

}  // namespace ravix
