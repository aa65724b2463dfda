#pragma once

#include <functional>
#include <string>

#include "core/laser_point.hpp"
#include "core/status.hpp"
#include "output/play_host.hpp"
#include "output/play_job.hpp"

namespace ravix {

inline constexpr const char* kDrawingPlayStartText = "start to play drawing...";
inline constexpr const char* kDrawingPlayOverText = "Over...";

// The drawing the playback sends, from the editor's drawing (double scale): x
// and y halved toward zero and limited to 0..255, z and colour copied, blanked
// 1 when the source's blanked byte is non-zero.
Drawing MakeDrawingPlayCopy(const Drawing& editorDrawing);

// Play type 2: sends the control message, then the drawing again and again
// until stopRequested, a new control message first whenever blank delay or
// scan rate changed. Ends with "Over..." in the window's status line.
void DrawingPlaybackLoop(const PlayContext& context);

// The "Picture edit" play button: stops the running play and waits for it,
// takes the window's mirror buttons, and, unless the drawing is empty, shows
// "start to play drawing..." and starts the playback on a copy.
Status StartDrawingPlayback(PlayHost& host, LiveState& live, const Drawing& editorDrawing,
                            bool invertX, bool invertY,
                            std::function<void(const std::string&)> showStatus);

}  // namespace ravix
