#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/laser_point.hpp"
#include "core/status.hpp"
#include "drawing/glyph_outline_source.hpp"
#include "output/play_buttons.hpp"
#include "output/play_host.hpp"
#include "output/play_job.hpp"
#include "output/quick_player_channel.hpp"

namespace ravix {

inline constexpr std::uint8_t kPlayTypeHorizontalText = 6;
inline constexpr std::uint8_t kPlayTypeVerticalText = 8;

// The rolling parameters and factors of the "Text  Edit" window, published
// whenever their controls change; the loops read them at every step.
struct RollingTextChannel {
  std::atomic<std::int32_t> rollStep{5};     // "Rolling step", 0..64
  std::atomic<std::int32_t> stayTicks{2};    // "Stay time", 0..100
  std::atomic<std::int32_t> windowCount{4};  // "Rows or columns", 1..20
  std::atomic<std::int32_t> widthFactor{4};
  std::atomic<std::int32_t> heightFactor{4};
};

// The material of a text play: the text objects, the quick player's channel
// (frame tick, "Point" box, preview) and the text window's parameters.
struct RollingTextJob {
  Drawing objects;
  std::shared_ptr<QuickPlayChannel> quick;
  std::shared_ptr<RollingTextChannel> text;
};

// Play type 6: the characters run from right to left, windowCount + 1 at a
// time, each position held for stayTicks frame ticks; again while loopPlay.
void HorizontalTextLoop(const PlayContext& context);

// Play type 8: the lines run from the bottom up, windowCount at a time; the
// colour depths and brightness go out as a 4-byte block after the control
// message and again whenever they change.
void VerticalTextLoop(const PlayContext& context);

// The text window's play button: stops what plays and waits, takes the
// toggles, lays the text out (vertical with "Vertical roll") with its start
// text, lowers the frame tick and starts play type 6 or 8.
Status StartTextPlay(PlayHost& host, LiveState& live, std::span<const std::string> gbkLines,
                     GlyphOutlineSource& font, std::shared_ptr<QuickPlayChannel> quick,
                     std::shared_ptr<RollingTextChannel> text, bool verticalRoll,
                     const PlayButtons& buttons,
                     const std::function<void(const std::string&)>& showStatus);

}  // namespace ravix
