#include "output/quick_segment_play.hpp"

#include "segments/segment_player.hpp"

namespace ravix {

Status StartQuickSegmentPlay(PlayHost& host, LiveState& live, std::vector<TSectionRecord> rows,
                             const QuickPlayChannel& quick,
                             std::shared_ptr<SegmentPlayChannel> segment,
                             const PlayButtons& buttons) {
  constexpr auto kRelaxed = std::memory_order_relaxed;
  if (!host.StopAndWait())
    return Status::Failure("the running play did not stop");
  ApplyPlayButtons(buttons, live);
  segment->selectedColour.store(quick.colourMode.load(kRelaxed), kRelaxed);
  segment->pointOverride.store(quick.point.load(kRelaxed), kRelaxed);
  segment->tick.store(false, kRelaxed);
  auto job = std::make_shared<SegmentPlayJob>();
  job->rows = std::move(rows);
  job->channel = std::move(segment);
  PlayJob playJob;
  playJob.segment = std::move(job);
  return host.StartPlay(kPlayTypeQuickPlaySegment, std::move(playJob));
}

}  // namespace ravix
