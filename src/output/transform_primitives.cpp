#include "output/transform_primitives.hpp"

#include <cmath>

#include "core/truncate.hpp"

namespace ravix {
namespace {

constexpr double kZoomUnit = 0.0078125;  // 1 / 128

double Radians(double degrees) {
  return degrees * kRotationPi / 180;
}

}  // namespace

CentreRotation::CentreRotation(std::int32_t a)
    : c_(std::cos(Radians(a))), s_(std::sin(Radians(a))) {}

AngleRotation::AngleRotation(double angle)
    : angle_(angle), c_(std::cos(Radians(angle))), s_(std::sin(Radians(angle))) {}

void ZoomAbout(std::int32_t a, std::int32_t cx, std::int32_t cy, double& x, double& y) {
  x = cx + (x - cx) * a * kZoomUnit;
  y = cy + (y - cy) * a * kZoomUnit;
}

namespace {

double ZoomClampedCoordinate(std::int32_t a, double v) {
  if (v > 128) {
    std::int32_t t = TruncateToInt((v - 128) * a / 127);
    if (t < 0 || t > 127)
      t = 127;
    return 128 + t;
  }
  std::int32_t t = TruncateToInt((128 - v) * a / 127);
  if (t < 0 || t > 128)
    t = 128;
  return 128 - t;
}

}  // namespace

void ZoomClamped(std::int32_t a, double& x, double& y) {
  x = ZoomClampedCoordinate(a, x);
  y = ZoomClampedCoordinate(a, y);
}

void SplitFold(std::int32_t a, double& v) {
  if (v > 127) {
    const double u = v + a;
    v = u <= 255 ? u : u <= 510 ? 510 - u : u - 510;
    return;
  }
  if (a <= v) {
    v = v - a;
  } else if (a <= v + 255) {
    v = a - v;
  } else if (a <= 510) {
    v = v + 510 - a;
  }
}

void ShiftFold(std::int32_t a, double& v) {
  if (a > 0 && a <= v) {
    v = v - a;
  } else if (v < a && a <= v + 255) {
    v = a - v;
  } else if (v + 255 < a && a <= 510) {
    v = v + 510 - a;
  }
}

void FlipTurn(std::int32_t a, double& v) {
  const std::int64_t p = a >= 128 ? std::int64_t{a} - 128 : 127 - std::int64_t{a};
  if (v < 128) {
    const std::int64_t e = TruncateToInt(127 - v);
    v = p < 64 ? static_cast<double>(128 - e * (64 - p) / 63)
               : static_cast<double>(127 + e * (p - 64) / 64);
  } else {
    const std::int64_t e = TruncateToInt(v - 128);
    v = p < 64 ? static_cast<double>(127 + e * (64 - p) / 64)
               : static_cast<double>(128 - e * (p - 64) / 63);
  }
}

EdgePoint ClipToEdge(PictureEdge edge, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                     std::int32_t y2) {
  const auto slope = [&] {
    return static_cast<float>(std::int64_t{y2} - y1) / static_cast<float>(std::int64_t{x2} - x1);
  };
  const auto intercept = [&](float m) {
    return static_cast<float>(y1) - static_cast<float>(x1) * m;
  };
  switch (edge) {
    case PictureEdge::kLeft:
    case PictureEdge::kRight: {
      const std::int32_t edgeX = edge == PictureEdge::kLeft ? 0 : 255;
      if (x1 == x2)
        return {x2, y2};
      if (y1 == y2)
        return {edgeX, y2};
      const float m = slope();
      const float y = static_cast<float>(edgeX) * m + intercept(m);
      return {edgeX, TruncateToInt(y)};
    }
    case PictureEdge::kTop:
    case PictureEdge::kBottom: {
      const std::int32_t edgeY = edge == PictureEdge::kTop ? 0 : 255;
      if (y1 == y2)
        return {x2, y2};
      if (x1 == x2)
        return {x2, edgeY};
      const float m = slope();
      const float x = (static_cast<float>(edgeY) - intercept(m)) / m;
      return {TruncateToInt(x), edgeY};
    }
  }
  return {x2, y2};
}

}  // namespace ravix
