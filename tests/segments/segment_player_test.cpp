#include "segments/segment_player.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "output/frame_capture.hpp"
#include "output/frame_encoder.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;

TSectionRecord Row(Drawing objects, std::int32_t time, std::string effect = "null",
                   std::int32_t colour = 257) {
  return TSectionRecord{"0", time, std::move(effect), colour, std::move(objects)};
}

// A lit record at default settings of drawing point (x, y) in palette colour
// 4 (green): the player starts from 255 - x, 255 - y.
std::string Lit(int x, int y) {
  return LowerHex({5, 0, static_cast<std::uint8_t>(255 - x), static_cast<std::uint8_t>(255 - y)});
}

struct SegmentRun {
  LiveState live;
  std::shared_ptr<SegmentPlayChannel> channel = std::make_shared<SegmentPlayChannel>();
  std::vector<std::string> writes;

  void Capture(std::vector<TSectionRecord> rows, std::size_t count,
               std::uint8_t playType = kPlayTypeQuickPlaySegment) {
    auto job = std::make_shared<SegmentPlayJob>();
    job->rows = std::move(rows);
    job->channel = channel;
    writes = CapturePlayLoop(playType, PlayJob{{}, {}, job}, live,
                             FrameCaptureOptions{count, &channel->tick});
  }
};

const std::string kControl = "6464";

// Collapses runs of equal writes into "write xN" for readable comparisons.
std::vector<std::string> Runs(const std::vector<std::string>& writes) {
  std::vector<std::string> runs;
  std::size_t i = 0;
  while (i < writes.size()) {
    std::size_t j = i;
    while (j < writes.size() && writes[j] == writes[i])
      ++j;
    runs.push_back(writes[i] + " x" + std::to_string(j - i));
    i = j;
  }
  return runs;
}

TEST(SegmentPlayer, EveryRowEndsAfterItsTimePlusOneCountedTicks) {
  SegmentRun run;
  run.Capture({Row({{P(10, 10)}}, 400), Row({{P(20, 20)}}, 400), Row({{P(30, 30)}}, 0)}, 2000);
  // Each row starts with a write of length 0 (the preview has not taken the
  // row start yet); every write raises one tick, so a row of time 400 shows
  // 400 frames, the 401st tick ending it; a row of time 0 ends at its first.
  EXPECT_EQ(Runs(run.writes),
            (std::vector<std::string>{kControl + " x1", " x1", Lit(10, 10) + " x400", " x1",
                                      Lit(20, 20) + " x400", " x1"}));
}

TEST(SegmentPlayer, ConsecutiveEmptyRowsRunTheirFullTime) {
  SegmentRun run;
  run.Capture({Row({}, 3), Row({}, 3), Row({{P(1, 1)}}, 1)}, 100);
  // Four cycles per empty row (ticks 1..4 counted, the fourth ends it).
  EXPECT_EQ(Runs(run.writes),
            (std::vector<std::string>{kControl + " x1", " x9", Lit(1, 1) + " x1"}));
}

TEST(SegmentPlayer, PausedHoldsThePictureTimeAndEffects) {
  SegmentRun run;
  run.live.control.paused = true;
  run.channel->effects.Set(EffectList{{{"Drift", {"hb:191"}}}});
  run.Capture({Row({{P(10, 10), P(100, 10)}}, 2, "drift")}, 50);
  ASSERT_EQ(run.writes.size(), 50u);
  EXPECT_EQ(Runs(run.writes), (std::vector<std::string>{kControl + " x1", " x1",
                                                        Lit(10, 10) + Lit(100, 10) + " x48"}));

  SegmentRun moving;
  moving.channel->effects.Set(EffectList{{{"Drift", {"hb:191"}}}});
  moving.Capture({Row({{P(10, 10), P(100, 10)}}, 2, "drift")}, 10);
  // moveX advances at every point: 1 and 2 in the first frame, 3 and 4 next.
  EXPECT_EQ(moving.writes[2], LowerHex({5, 0, 244, 245, 5, 0, 153, 245}));
  EXPECT_EQ(moving.writes[3], LowerHex({5, 0, 242, 245, 5, 0, 151, 245}));
  EXPECT_EQ(moving.writes.size(), 4u);
}

TEST(SegmentPlayer, LoopPlayRepeatsTheRowsAndResetsTheEffectPerRow) {
  SegmentRun run;
  run.live.control.loopPlay = true;
  run.channel->effects.Set(EffectList{{{"Drift", {"hb:191"}}}});
  run.Capture({Row({{P(10, 10)}}, 2, "Drift"), Row({}, 0)}, 12);
  const std::string first = LowerHex({5, 0, 244, 245});
  const std::string second = LowerHex({5, 0, 243, 245});
  EXPECT_EQ(run.writes, (std::vector<std::string>{kControl, "", first, second, "", "", first,
                                                  second, "", "", first, second}));
}

TEST(SegmentPlayer, ColoursOverridesAndThePointBox) {
  SegmentRun run;
  run.channel->selectedColour = 2;  // red overrides the row's colour 6
  run.channel->pointOverride = true;
  run.Capture({Row({{P(10, 10), P(20, 20, 2, 0)}}, 5, "null", 6)}, 3);
  // Red lit-as-blanked, then colour 0 stays dark; z 2 adds flag 2.
  EXPECT_EQ(run.writes[2], LowerHex({9, 1, 245, 245, 0, 3, 235, 235}));
  EXPECT_EQ(run.channel->preview.Copy(),
            (std::vector<std::string>{"245,245,0,2,0,0|235,235,2,0,0,0|"}));

  SegmentRun editWindow;  // play type 3 never takes the "Point" box
  editWindow.channel->pointOverride = true;
  editWindow.Capture({Row({{P(10, 10)}}, 5, "null", 6)}, 3, kPlayTypeSegmentEdit);
  EXPECT_EQ(editWindow.writes[2], LowerHex({3, 0, 245, 245}));
}

TEST(SegmentPlayer, LargeRowsGoOutInBlocks) {
  DrawingObject object(kMaxBlockPoints + 1, P(0, 0));
  SegmentRun run;
  run.Capture({Row({object}, 5)}, 4);
  ASSERT_EQ(run.writes.size(), 4u);
  EXPECT_EQ(run.writes[2].size(), kMaxBlockBytes * 2);
  EXPECT_EQ(run.writes[3], Lit(0, 0));
}

TEST(SegmentPlayer, SettingsChangesReachTheNextFrame) {
  SegmentRun run;
  run.live.settings.offsetX = 5;
  run.Capture({Row({{P(10, 10)}}, 5)}, 3);
  EXPECT_EQ(run.writes[2], LowerHex({5, 0, 240, 245}));
}

TEST(EffectPreview, PlaysTheSelectedEffectInTheChosenColourUntilStopped) {
  SegmentRun run;
  run.channel->effects.Set(EffectList{{{"Still", {}}, {"Drift", {"hb:191"}}}});
  run.channel->effects.Select(1);
  run.channel->selectedColour = 2;
  run.channel->effectState.zoomFactor = 9;
  auto job = std::make_shared<SegmentPlayJob>();
  job->previewDrawing = {{P(10, 10)}};
  job->channel = run.channel;
  run.writes = CapturePlayLoop(kPlayTypeEffectPreview, PlayJob{{}, {}, job}, run.live,
                               FrameCaptureOptions{5, &run.channel->tick});
  // No row time: frames go on, red, one more step of the move each frame.
  EXPECT_EQ(run.writes, (std::vector<std::string>{
                            kControl, LowerHex({9, 0, 244, 245}), LowerHex({9, 0, 243, 245}),
                            LowerHex({9, 0, 242, 245}), LowerHex({9, 0, 241, 245})}));
  EXPECT_EQ(run.channel->effectState.zoomFactor, 9) << "kept from the last play";
}

TEST(EffectStepsReader, SeesAnEditAtTheNextRead) {
  LiveEffectList list;
  list.Set(EffectList{{{"A", {"hb:1"}}}});
  EffectStepsReader reader(list);
  reader.UseName("a");
  EXPECT_EQ(reader.Steps().size(), 1u);
  list.Set(EffectList{{{"A", {"hb:1", "vb:2", "junk"}}, {"B", {}}}});
  EXPECT_EQ(reader.Steps().size(), 2u);
  list.Select(0);
  reader.UseSelected();
  EXPECT_EQ(reader.Steps().size(), 2u);
  list.Select(1);
  EXPECT_TRUE(reader.Steps().empty());
}

}  // namespace
}  // namespace ravix
