#include "segments/segment_play_timers.hpp"

#include <gtest/gtest.h>

#include "segments/segment_player.hpp"

namespace ravix {
namespace {

TEST(SegmentPlayTimers, PreviewHandsFramesBackAndEndsWithThePlay) {
  LiveState live;
  SegmentPlayChannel channel;
  std::vector<std::string> messages;
  SegmentPlayTimers timers(live, channel, false, kSegmentPlayOverText,
                           [&](const std::string& m) { messages.push_back(m); });
  EXPECT_EQ(timers.Tick(), SegmentPlayTimers::kTickInterval);
  EXPECT_TRUE(channel.tick);

  live.control.playing = true;
  std::vector<std::string> lines{"1,2,0,4,0,0|"};
  channel.preview.Publish(lines);
  EXPECT_FALSE(timers.Preview().lines) << "nothing handed over yet";
  live.control.settingsChanged = true;
  auto firing = timers.Preview();
  EXPECT_EQ(firing.lines, (std::vector<std::string>{"1,2,0,4,0,0|"}));
  EXPECT_TRUE(firing.keepRunning);
  EXPECT_FALSE(live.control.settingsChanged) << "the player may build the next frame";
  EXPECT_TRUE(messages.empty());

  live.control.playing = false;
  firing = timers.Preview();
  EXPECT_FALSE(firing.keepRunning);
  EXPECT_FALSE(timers.TickEnabled());
  EXPECT_FALSE(channel.tick);
  EXPECT_EQ(messages, (std::vector<std::string>{kSegmentPlayOverText}));
  timers.Tick();
  EXPECT_FALSE(channel.tick) << "the tick timer is off";
}

TEST(SegmentPlayTimers, DrawingModeCopiesOnlyWhileThePreviewPlays) {
  LiveState live;
  SegmentPlayChannel channel;
  SegmentPlayTimers timers(live, channel, true, kEffectPreviewOverText, {});
  live.control.settingsChanged = true;
  EXPECT_FALSE(timers.Preview().lines);
  EXPECT_TRUE(live.control.settingsChanged);
}

}  // namespace
}  // namespace ravix
