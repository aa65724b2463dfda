#include "output/quick_player.hpp"

#include <gtest/gtest.h>

#include <set>

#include "output/frame_capture.hpp"
#include "output/frame_encoder.hpp"
#include "output/player_colour.hpp"
#include "output/quick_effects.hpp"
#include "output/quick_play_timers.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;
using Lines = std::vector<std::string>;

// Lit points of several colours, a black one and a blanked vertex.
const Drawing kDrawing = {{P(10, 20, 0, 1), P(200, 40, 2, 2, 1), P(60, 220, 0, 0)},
                          {P(128, 128, 0, 5), P(30, 90, 0, 6)}};

struct QuickRun {
  LiveState live;
  std::shared_ptr<QuickPlayChannel> channel = std::make_shared<QuickPlayChannel>();

  void Set(QuickSlider slider, std::int32_t value) { channel->Slider(slider).store(value); }

  Lines Capture(std::uint8_t playType, const Drawing& drawing, std::vector<Drawing> frames,
                std::size_t writes, bool tickEachWrite = false) {
    auto job = std::make_shared<QuickPlayJob>();
    job->drawing = drawing;
    job->frames = std::move(frames);
    job->channel = channel;
    PlayJob playJob;
    playJob.quick = job;
    return CapturePlayLoop(
        playType, playJob, live,
        FrameCaptureOptions{writes, tickEachWrite ? &channel->frameTick : nullptr});
  }
  Lines Drawing(std::size_t writes) { return Capture(kPlayTypeQuickDrawing, kDrawing, {}, writes); }
};

std::string Encoded(const Drawing& drawing, const PlaySettingsValues& settings) {
  std::vector<std::uint8_t> block;
  EncodeFrame(drawing, settings, BasePosition::kAsStored, block);
  return LowerHex(block);
}

TEST(QuickPlayer, SlidersAtRestSendTheDrawingAsTheEncoderDoes) {
  QuickRun run;
  PlaySettingsValues settings;
  settings.offsetX = 12;
  settings.locateAngle = 30;
  settings.sizeY = 33;
  settings.invertX = true;
  settings.blankDelay = 7;
  run.live.settings.Store(settings);
  const std::string frame = Encoded(kDrawing, settings);
  EXPECT_EQ(run.Drawing(3), (Lines{"0764", frame, frame}));
  EXPECT_FALSE(run.live.control.playing);
}

TEST(QuickPlayer, RotationSixtyFourTurnsBy181DegreesAndHolds) {
  QuickRun run;
  run.Set(QuickSlider::kRotation, 64);
  const Lines lines = run.Drawing(4);
  EXPECT_EQ(lines[1], lines[2]);
  EXPECT_EQ(lines[2], lines[3]);
  // 64 x 360 / 127 = 181 degrees: (10, 20) goes to (244.1, 238.0).
  double x = 10, y = 20;
  RotateAboutCentre(181, x, y);
  EXPECT_EQ(static_cast<int>(x), 244);
  EXPECT_EQ(static_cast<int>(y), 238);
  EXPECT_EQ(lines[1].substr(4, 4), "f4ee");
  EXPECT_NE(lines[1], Encoded(kDrawing, {}));
}

TEST(QuickPlayer, SlowDrawBuildsUpPassByPassAndStartsOver) {
  QuickRun run;
  run.Set(QuickSlider::kSlowDraw, 200);
  const Lines lines = run.Drawing(2000);
  std::vector<std::size_t> points;
  for (std::size_t i = 1; i < lines.size(); ++i)
    points.push_back(lines[i].size() / 8);
  // One point first, growing one at a time up to all five, then one again.
  EXPECT_EQ(points.front(), 1u);
  std::size_t restarts = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i] < points[i - 1]) {
      EXPECT_EQ(points[i - 1], 5u);
      EXPECT_EQ(points[i], 1u);
      ++restarts;
    } else {
      EXPECT_LE(points[i] - points[i - 1], 1u);
    }
  }
  EXPECT_GE(restarts, 1u);
  // The first point of every pass is the first point of the drawing.
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].substr(0, 8), lines[1].substr(0, 8));
}

TEST(QuickPlayer, ColourModeTwoFiveNineWalksOneColourAndKeepsBlack) {
  QuickRun run;
  run.channel->colourMode = kColourModeRnd2;
  run.Set(QuickSlider::kColourSpeed, 255);  // the offset steps every other point
  const Lines lines = run.Drawing(40);
  std::set<std::string> colours;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& frame = lines[i];
    EXPECT_EQ(frame.substr(16, 2), "00");  // the black point
    colours.insert(frame.substr(0, 2));
  }
  EXPECT_GT(colours.size(), 1u);
  EXPECT_EQ(colours.count("00"), 0u);

  // The colour codes, point by point.
  EXPECT_EQ(PlayerColourIndex(9, 4, 3, 0), 9);
  EXPECT_EQ(PlayerColourIndex(9, 0, 3, 0), 0);
  EXPECT_EQ(PlayerColourIndex(kColourModeAuto, 77, 3, 0), 77);
  EXPECT_EQ(PlayerColourIndex(kColourModeRnd1, 230, 3, 0), 2);
  EXPECT_EQ(PlayerColourIndex(kColourModeRnd2, 5, 231, 0), 232);
  EXPECT_EQ(PlayerColourIndex(kColourModeRnd3, 5, 0, 233), 2);
  EXPECT_EQ(PlayerColourIndex(kColourModeRnd3, 0, 0, 233), 0);
}

TEST(QuickPlayer, PointBoxBlanksEveryPoint) {
  QuickRun run;
  run.channel->point = true;
  const std::string frame = run.Drawing(2)[1];
  for (std::size_t i = 0; i < frame.size(); i += 8)
    EXPECT_EQ(std::stoi(frame.substr(i + 2, 2), nullptr, 16) & 1, 1) << i;
}

TEST(QuickPlayer, IldaModeStepsOnTheTickHoldsWhenPausedAndEndsWithoutLoop) {
  TILDAimage image;
  for (int f = 0; f < 3; ++f) {
    TILDAframe frame;
    frame.points = {P(-128 + f, 127, 0, 1), P(127, -128, 0, 2)};
    image.frames.push_back(frame);
  }
  const std::vector<Drawing> frames = MakeQuickIldaCopy(image);
  EXPECT_EQ(frames[1], (Drawing{{P(1, 255, 0, 1), P(255, 0, 0, 2)}}));
  // x as it is, y turned: (0, 255) goes out as (0, 0).
  const Lines first = {"6464", "0f000000", "0f000000", "0f000000"};

  QuickRun paused;
  paused.live.control.paused = true;
  const Lines held = paused.Capture(kPlayTypeQuickIlda, {}, frames, 4, true);
  EXPECT_EQ(held[1], held[2]);
  EXPECT_EQ(held[1], held[3]);

  QuickRun once;
  const Lines played = once.Capture(kPlayTypeQuickIlda, {}, frames, 10, true);
  ASSERT_EQ(played.size(), 4u);  // control message and three frames, then the end
  EXPECT_NE(played[1], played[2]);
  EXPECT_FALSE(once.live.control.playing);

  QuickRun looped;
  looped.live.control.loopPlay = true;
  const Lines again = looped.Capture(kPlayTypeQuickIlda, {}, frames, 8, true);
  ASSERT_EQ(again.size(), 8u);
  EXPECT_EQ(again[4], again[1]);

  // Without the tick the first frame repeats.
  QuickRun untimed;
  const Lines still = untimed.Capture(kPlayTypeQuickIlda, {}, frames, 4, false);
  EXPECT_EQ(still[1], still[3]);
}

TEST(QuickEffects, SliderBands) {
  QuickSliderValues sliders{};
  QuickEffects effects;
  effects.Update(sliders, 10);
  EXPECT_EQ(effects.zoom(), 127);  // "Zoom" at 0 keeps the size
  EXPECT_EQ(effects.angle(), 0);
  sliders[static_cast<std::size_t>(QuickSlider::kZoom)] = 64;
  sliders[static_cast<std::size_t>(QuickSlider::kRotation)] = 127;
  effects.Update(sliders, 10);
  EXPECT_EQ(effects.zoom(), 64);
  EXPECT_EQ(effects.angle(), 0);  // 360 is kept in 0..359

  // 192..255 turns backwards one degree whenever the counter passes 255 - v.
  sliders[static_cast<std::size_t>(QuickSlider::kRotation)] = 253;
  std::vector<std::int32_t> angles;
  for (int i = 0; i < 7; ++i) {
    effects.Update(sliders, 10);
    angles.push_back(effects.angle());
    effects.Advance();
  }
  EXPECT_EQ(angles, (std::vector<std::int32_t>{0, 0, 0, 359, 359, 359, 358}));

  // A half-size zoom brings (0, 0) halfway to the centre.
  EncoderPosition position{0, 0};
  sliders = {};
  sliders[static_cast<std::size_t>(QuickSlider::kZoom)] = 64;
  QuickEffects half;
  half.Update(sliders, 1);
  half.Apply(sliders, position);
  EXPECT_EQ(static_cast<int>(position.x), 64);
  EXPECT_EQ(static_cast<int>(position.y), 64);
}

TEST(QuickPlayTimers, PreviewHandOffPeriodsAndEndMessages) {
  using std::chrono::milliseconds;
  struct Case {
    QuickPlayMode mode;
    milliseconds period;
    bool drawsWhenNotPlaying;
    const char* end;
  };
  for (const Case& c : {Case{QuickPlayMode::kDrawing, milliseconds{5}, false, "drawing over"},
                        Case{QuickPlayMode::kIlda, milliseconds{40}, false, "ILDA image over"},
                        Case{QuickPlayMode::kSegment, milliseconds{1}, true, "section over....."},
                        Case{QuickPlayMode::kText, milliseconds{5}, true, "Text over"}}) {
    LiveState live;
    live.control.playing = true;
    int taken = 0;
    const auto take = [&] {
      EXPECT_TRUE(live.control.settingsChanged);  // copied before the flag is lowered
      ++taken;
    };
    QuickPreviewFiring firing = FireQuickPreview(c.mode, live, milliseconds{80}, take);
    EXPECT_FALSE(firing.draw);
    EXPECT_EQ(firing.nextPeriod, c.period);
    EXPECT_TRUE(firing.again);
    live.control.settingsChanged = true;
    firing = FireQuickPreview(c.mode, live, milliseconds{80}, take);
    EXPECT_TRUE(firing.draw);
    EXPECT_FALSE(live.control.settingsChanged);
    live.control.playing = false;
    live.control.settingsChanged = true;
    firing = FireQuickPreview(c.mode, live, milliseconds{80}, take);
    EXPECT_EQ(firing.draw, c.drawsWhenNotPlaying);
    EXPECT_FALSE(firing.again);
    EXPECT_STREQ(firing.endMessage, c.end);
    EXPECT_EQ(taken, c.drawsWhenNotPlaying ? 2 : 1);
  }

  LiveState live;
  live.settings.frameInterval = 40;
  QuickPlayChannel channel;
  EXPECT_EQ(FireQuickFrameTimer(QuickPlayMode::kIlda, live, channel), milliseconds{40});
  EXPECT_TRUE(channel.frameTick);
  EXPECT_EQ(FireQuickFrameTimer(QuickPlayMode::kDrawing, live, channel), milliseconds{10});

  EXPECT_EQ(SlowDrawPreview(kDrawing, channel), kDrawing);
  channel.Slider(QuickSlider::kSlowDraw) = 9;
  channel.shownPoints = 4;
  EXPECT_EQ(SlowDrawPreview(kDrawing, channel), (Drawing{kDrawing[0], {kDrawing[1][0]}}));
}

}  // namespace
}  // namespace ravix
