#include "output/quick_pages_pictures.hpp"

#include <string>

#include "core/preview_renderer.hpp"
#include "output/frame_encoder.hpp"
#include "output/quick_pages_player.hpp"
#include "output/quick_preview_frame.hpp"

namespace ravix {
namespace {

constexpr int kThumbnailDivisor = kPagesPictureSize / kPagesSlotSize;

void WhiteText(Canvas& canvas, const std::string& text, int pointSize) {
  canvas.SetPenColour(PaletteColour(kColourWhite));
  canvas.Text(0, 0, text, pointSize);
}

}  // namespace

void DrawPagesSlot(Canvas& canvas, const PageSlot& slot, bool selected) {
  canvas.FillRectangle(0, 0, kPagesSlotSize, kPagesSlotSize,
                       slot.empty() ? kEmptySlotColour : PaletteColour(kColourBlack));
  for (DrawingObject object : slot.thumbnail)
    DrawObject(canvas, object, kColourBlack, kThumbnailDivisor);
  WhiteText(canvas, slot.keyLabel, kSlotKeyLabelSize);
  if (selected)
    DrawSelectionFrame(canvas, kPagesSlotSize);
}

void DrawPagesDisplay(Canvas& canvas, const Drawing& frame, std::int32_t frameIndex,
                      std::int32_t colourMode, std::int32_t colourOffset,
                      const PlaySettingsValues& settings) {
  canvas.FillRectangle(0, 0, kPagesPictureSize, kPagesPictureSize, PaletteColour(kColourBlack));
  bool first = true;
  for (const DrawingObject& object : PagesDisplayFrame(frame, colourMode, colourOffset)) {
    for (const LaserPoint& p : object) {
      canvas.SetPenColour(ScaledPaletteColour(p.colour, settings));
      if (first || p.blanked) {
        canvas.MoveTo(p.x, p.y);
      } else {
        canvas.LineTo(p.x, p.y);
      }
      if (p.blanked)
        canvas.Ellipse(p.x - 1, p.y + 1, p.x + 1, p.y - 1);
      first = false;
    }
  }
  WhiteText(canvas, std::to_string(frameIndex + 1), kFrameNumberSize);
}

}  // namespace ravix
