#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ilda_image.hpp"
#include "core/laser_point.hpp"
#include "core/status.hpp"
#include "output/play_buttons.hpp"
#include "output/play_host.hpp"
#include "output/play_job.hpp"
#include "output/quick_player_channel.hpp"

namespace ravix {

inline constexpr std::uint8_t kPlayTypeQuickDrawing = 4;
inline constexpr std::uint8_t kPlayTypeQuickIlda = 5;

inline constexpr const char* kQuickDrawingStartText = "Drawing start";
inline constexpr const char* kQuickIldaStartText = "ILDAimage starting";

// The material of a quick play: the play copy of its mode and the window's
// channel.
struct QuickPlayJob {
  Drawing drawing;              // play type 4
  std::vector<Drawing> frames;  // play type 5, one object per frame
  std::shared_ptr<QuickPlayChannel> channel;
};

// The drawing as the quick player plays it: x and y limited to 0..255.
Drawing MakeQuickDrawingCopy(const Drawing& drawing);

// One frame per ILDA frame, its points moved by + 128 in x and y and limited
// to 0..255 (y still upwards; the player turns it).
std::vector<Drawing> MakeQuickIldaCopy(const TILDAimage& image);

// Play type 4: the drawing again and again with the live effects until
// stopRequested; the frame tick is not used.
void QuickDrawingLoop(const PlayContext& context);

// Play type 5: each frame again and again until the frame tick; then, unless
// paused, the next frame; after the last the first again while loopPlay, else
// the end.
void QuickIldaLoop(const PlayContext& context);

// The "Quick play" Play command in drawing or ILDA mode: stops what plays and
// waits, takes the toolbar toggles, shows the mode's start text, lowers the
// frame tick and starts the loop on its copy.
Status StartQuickPlay(PlayHost& host, LiveState& live, std::shared_ptr<QuickPlayJob> job,
                      std::uint8_t playType, const PlayButtons& buttons,
                      const std::function<void(const std::string&)>& showStatus);

}  // namespace ravix
