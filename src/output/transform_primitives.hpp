#pragma once

#include <cstdint>

namespace ravix {

// Pure moves of coordinates in drawing space (0..255, centre 128). Real
// coordinates are double precision and changed in place.

// The value of pi the rotations use.
inline constexpr double kRotationPi = 3.1415926;

// Rotation by whole degrees `a` about (128, 128), with cos and sin prepared once
// for many points. The centre itself never moves.
class CentreRotation {
 public:
  explicit CentreRotation(std::int32_t a);
  void Apply(double& x, double& y) const {
    if (x == 128 && y == 128)
      return;
    const double inX = x;
    x = inX * c_ - y * s_ + 128 * (1 - c_) + 128 * s_;
    y = inX * s_ + y * c_ + 128 * (1 - c_) - 128 * s_;
  }

 private:
  double c_;
  double s_;
};

inline void RotateAboutCentre(std::int32_t a, double& x, double& y) {
  CentreRotation(a).Apply(x, y);
}

// Rotation by `angle` degrees about any centre, with cos and sin prepared once.
// A point on the centre stays.
class AngleRotation {
 public:
  explicit AngleRotation(double angle);
  double angle() const { return angle_; }
  void Apply(std::int32_t cx, std::int32_t cy, double& x, double& y) const {
    if (cx == x && cy == y)
      return;
    const double inX = x;
    x = inX * c_ - y * s_ + cx * (1 - c_) + cy * s_;
    y = inX * s_ + y * c_ + cy * (1 - c_) - cx * s_;
  }

 private:
  double angle_;
  double c_;
  double s_;
};

// Rotation by `angle` degrees about (cx, cy); a point on the centre stays.
inline void RotateAbout(double angle, std::int32_t cx, std::int32_t cy, double& x, double& y) {
  AngleRotation(angle).Apply(cx, cy, x, y);
}

// Scales distances to (cx, cy) by a / 128, without limits.
void ZoomAbout(std::int32_t a, std::int32_t cx, std::int32_t cy, double& x, double& y);

// Scales distances to 128 by a / 127, keeping each coordinate inside 0..255.
void ZoomClamped(std::int32_t a, double& x, double& y);

// Scales the distance of v from 128 by k / 20 (k 0..40); result 0..255.
inline std::int32_t SizeMap(std::int32_t v, std::int32_t k) {
  std::int64_t r;
  if (v > 128) {
    const std::int64_t t = (std::int64_t{v} - 128) * k / 20;
    r = 128 + (t > 127 ? 127 : t);
  } else {
    const std::int64_t t = (128 - std::int64_t{v}) * k / 20;
    r = 128 - (t > 128 ? 128 : t);
  }
  return static_cast<std::int32_t>(r < 0 ? 0 : r > 255 ? 255 : r);
}

// Moves the halves of the picture apart by a, folding back at the edges.
void SplitFold(std::int32_t a, double& v);

// Moves the coordinate down by a, folding back at 0 and again at 255.
void ShiftFold(std::int32_t a, double& v);

// A turn about the centre line seen edge-on, phase a 0..255, linear profile.
void FlipTurn(std::int32_t a, double& v);

enum class PictureEdge { kLeft, kRight, kTop, kBottom };  // x = 0, x = 255, y = 0, y = 255

struct EdgePoint {
  std::int32_t x;
  std::int32_t y;
  friend bool operator==(const EdgePoint&, const EdgePoint&) = default;
};

// Where the line through (x1, y1) and (x2, y2) meets `edge`, in single precision.
EdgePoint ClipToEdge(PictureEdge edge, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                     std::int32_t y2);

}  // namespace ravix
