#pragma once

#include <cstdint>

#include "core/canvas.hpp"
#include "output/play_settings.hpp"
#include "output/quick_pages_model.hpp"

namespace ravix {

// The slot images are 64 x 64, the play image 256 x 256.
inline constexpr int kPagesSlotSize = 64;
inline constexpr int kPagesPictureSize = 256;
// An empty slot is grey (128, 128, 128).
inline constexpr PackedColour kEmptySlotColour = 0x808080;
inline constexpr int kSlotKeyLabelSize = 10;
inline constexpr int kFrameNumberSize = 5;

// A slot image: black with the thumbnail at quarter scale, or grey for a slot
// without a file; the key label in white at the top left; for the selected
// slot the red selection frame.
void DrawPagesSlot(Canvas& canvas, const PageSlot& slot, bool selected);

// The play image of frame `frameIndex`: black, the points at their stored x
// and y (limited to 0..255) in the colours the player sends, through the
// palette, the depths and the brightness; a lit point reached by a line, a
// blanked one by a move and marked; the frame number (from 1) at the top left
// in white.
void DrawPagesDisplay(Canvas& canvas, const Drawing& frame, std::int32_t frameIndex,
                      std::int32_t colourMode, std::int32_t colourOffset,
                      const PlaySettingsValues& settings);

}  // namespace ravix
