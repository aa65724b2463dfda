#include "output/play_types.hpp"

#include <algorithm>
#include <iterator>

#include "output/drawing_playback.hpp"
#include "output/quick_pages_player.hpp"
#include "output/quick_player.hpp"
#include "output/rolling_text_player.hpp"
#include "segments/segment_player.hpp"

namespace ravix {
namespace {

using PlayLoop = void (*)(const PlayContext&);

struct PlayTypeEntry {
  std::uint8_t playType;
  PlayLoop loop;
};

// One row per play type that has a loop.
constexpr PlayTypeEntry kPlayLoops[] = {
    {kPlayTypeDrawingPlayback, DrawingPlaybackLoop},
    {kPlayTypeSegmentEdit, SegmentEditPlayLoop},
    {kPlayTypeEffectPreview, EffectPreviewLoop},
    {kPlayTypeQuickPlaySegment, QuickPlaySegmentLoop},
    {kPlayTypeQuickDrawing, QuickDrawingLoop},
    {kPlayTypeQuickIlda, QuickIldaLoop},
    {kPlayTypeHorizontalText, HorizontalTextLoop},
    {kPlayTypeVerticalText, VerticalTextLoop},
    {kPlayTypeQuickPages, QuickPagesLoop},
};

}  // namespace

void RunPlayLoop(std::uint8_t playType, const PlayContext& context) {
  const auto entry = std::find_if(std::begin(kPlayLoops), std::end(kPlayLoops),
                                  [&](const PlayTypeEntry& e) { return e.playType == playType; });
  if (entry != std::end(kPlayLoops))
    entry->loop(context);
}

}  // namespace ravix
