#pragma once

#include "core/canvas.hpp"
#include "drawing/editor_hit_tests.hpp"

namespace ravix {

class PictureDocument;

inline constexpr int kRotationPreviewSize = 256;
inline constexpr int kMaxRotationAngle = 360;

// The "Rotation" dialog: a track bar 0..360 degrees, "Anticlockwise", and the
// centre picked in the half-scale preview. A positive angle turns clockwise on
// the screen (y grows downwards).
class RotationDialogModel {
 public:
  // The dialog became active: the track bar returns to 0.
  void Activate() { angle_ = 0; }
  // The track bar, held inside 0..360.
  void SetAngle(int degrees);
  void SetAnticlockwise(bool on) { anticlockwise_ = on; }
  // A click in the preview sets the centre; it is kept between uses.
  void ClickPreview(CanvasPoint pixel) { centre_ = pixel; }

  int angle() const { return angle_; }
  bool anticlockwise() const { return anticlockwise_; }
  CanvasPoint centre() const { return centre_; }
  // The signed angle in degrees.
  double RotationAngle() const { return anticlockwise_ ? -angle_ : angle_; }

  // The preview: black, the unrotated selection first with the copy object
  // flag, then the rotated selection, at half scale; a red square on the centre.
  void RenderPreview(Canvas& canvas, const PictureDocument& document) const;
  // "&OK": rotates the selection in place, or adds rotated copies with the copy
  // object flag. Marks the drawing changed; no undo step.
  void Ok(PictureDocument& document) const;

 private:
  void Rotate(LaserPoint& point) const;

  int angle_ = 0;
  bool anticlockwise_ = false;
  CanvasPoint centre_{128, 128};
};

}  // namespace ravix
