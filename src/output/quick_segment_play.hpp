#pragma once

#include <memory>
#include <vector>

#include "core/section_record.hpp"
#include "core/status.hpp"
#include "output/play_host.hpp"
#include "output/quick_player.hpp"
#include "output/quick_player_channel.hpp"
#include "segments/segment_play_channel.hpp"

namespace ravix {

// The "Quick play" Play command in segment mode: stops what plays and waits,
// takes the toolbar toggles, hands the window's colour mode and "Point" box
// to the segment player's channel, lowers its tick and starts the segment
// player (play type 9) on the rows. While it plays, the window's frame timer
// raises the segment channel's tick, and changes of colour or "Point" go to
// both channels.
Status StartQuickSegmentPlay(PlayHost& host, LiveState& live, std::vector<TSectionRecord> rows,
                             const QuickPlayChannel& quick,
                             std::shared_ptr<SegmentPlayChannel> segment,
                             const PlayButtons& buttons);

}  // namespace ravix
