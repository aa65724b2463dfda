#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/palette.hpp"
#include "core/status.hpp"
#include "drawing/frame_list_file.hpp"
#include "output/play_buttons.hpp"
#include "output/play_host.hpp"
#include "output/play_job.hpp"

namespace ravix {

inline constexpr std::uint8_t kPlayTypeQuickPages = 10;

inline constexpr const char* kPagesPlayStartText = "ILF   begin Play...";
inline constexpr const char* kPagesPlayOverText = "ILF   over.....";

// "Time Fade" of the window, 0..50.
inline constexpr std::int32_t kDefaultTimeFade = 2;
// A frame without objects ends once more ticks than this were counted.
inline constexpr std::int32_t kEmptyFrameTicks = 10;

// What the "Quick play II" window shares with its page player: the tick flag
// its tick timer raises, the "Time Fade" slider, and what the display reads.
struct PagesPlayChannel {
  std::atomic<bool> segmentTick{false};
  std::atomic<std::int32_t> timeFade{kDefaultTimeFade};
  // pagesColourMode: 0..255 a palette index for every lit point, 257..260 a
  // colour mode.
  std::atomic<std::int32_t> colourMode{kColourModeAuto};
  // pagesColourOffset, 0..231.
  std::atomic<std::int32_t> colourOffset{0};
  // The frame being played and its point total.
  std::atomic<std::int32_t> frameIndex{0};
  std::atomic<std::int32_t> pointCount{0};
};

// The material of a page play: pagesPlayList, shared read-only with the
// window's display, and the window's channel.
struct PagesPlayJob {
  std::shared_ptr<const FrameList> frames;
  std::shared_ptr<PagesPlayChannel> channel;
};

// Play type 10: every frame of the list for "Time Fade" + 1 ticks of
// segmentTick (a frame without objects for at most 11), with the window's
// colour mode and an offset that moves every third tick; again while
// loopPlay.
void QuickPagesLoop(const PlayContext& context);

// The Play command: stops what plays and waits, takes the toggles and, when a
// file is selected, reads it as pagesPlayList, shows "ILF   begin Play...",
// lowers the tick and starts play type 10. `frames` receives the new list for
// the window's display.
Status StartPagesPlay(PlayHost& host, LiveState& live,
                      const std::optional<std::filesystem::path>& file,
                      std::shared_ptr<PagesPlayChannel> channel, const PlayButtons& buttons,
                      std::shared_ptr<const FrameList>& frames,
                      const std::function<void(const std::string&)>& showMessage);

// One firing of the window's display timer, after it has disabled itself.
struct PagesDisplayFiring {
  // settingsChanged was raised (and is now lowered): draw frame `frameIndex`.
  bool draw = false;
  std::int32_t frameIndex = 0;
  std::int32_t pointCount = 0;
  // Fire again in 1 ms; otherwise the tick timer stops, segmentTick is
  // lowered and "ILF   over....." shown.
  bool again = true;
};
PagesDisplayFiring FirePagesDisplay(LiveState& live, PagesPlayChannel& channel);

// Frame `frame` as the display draws it: x and y limited to 0..255, each point
// in the colour index the player sends (rnd3 starting at `colourOffset`).
Drawing PagesDisplayFrame(const Drawing& frame, std::int32_t colourMode, std::int32_t colourOffset);

}  // namespace ravix
