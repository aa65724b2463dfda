#pragma once

#include "core/canvas.hpp"
#include "output/play_settings_panel.hpp"

namespace ravix {

// The offset pad: black, a grey dashed cross through the centre and a red
// circle of radius 3 at `marker`.
void DrawOffsetPad(Canvas& canvas, PadPoint marker);

}  // namespace ravix
