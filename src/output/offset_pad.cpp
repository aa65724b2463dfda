#include "output/offset_pad.hpp"

namespace ravix {
namespace {

constexpr PackedColour kPadBackground = 0x000000;
constexpr PackedColour kCrossColour = 0x808080;
constexpr PackedColour kMarkerColour = 0x0000FF;  // red, packed 0x00BBGGRR
constexpr int kMarkerRadius = 3;
constexpr int kCentre = kOffsetPadSize / 2;
constexpr int kLast = kOffsetPadSize - 1;

}  // namespace

void DrawOffsetPad(Canvas& canvas, PadPoint marker) {
  canvas.FillRectangle(0, 0, kOffsetPadSize, kOffsetPadSize, kPadBackground);
  canvas.SetPenColour(kCrossColour);
  canvas.SetPenDashed(true);
  canvas.MoveTo(kCentre, 0);
  canvas.LineTo(kCentre, kLast);
  canvas.MoveTo(0, kCentre);
  canvas.LineTo(kLast, kCentre);
  canvas.SetPenDashed(false);
  canvas.SetPenColour(kMarkerColour);
  canvas.Ellipse(marker.x - kMarkerRadius, marker.y - kMarkerRadius, marker.x + kMarkerRadius,
                 marker.y + kMarkerRadius);
}

}  // namespace ravix
