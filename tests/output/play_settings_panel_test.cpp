#include "output/play_settings_panel.hpp"

#include <gtest/gtest.h>

#include <array>

#include "core/recording_canvas.hpp"
#include "output/offset_pad.hpp"

namespace ravix {
namespace {

TEST(PlaySettingsPanel, PadPressGivesOffsetsAndTheMarkerFollows) {
  LiveState live;
  PlaySettingsPanel panel(live);
  struct Case {
    int x, y, offsetX, offsetY;
  };
  for (const Case& c : {Case{0, 0, -256, -256}, Case{255, 255, 254, 254}, Case{128, 128, 0, 0},
                        Case{-40, 300, -256, 254}}) {
    panel.PressPad(c.x, c.y);
    EXPECT_EQ(live.settings.offsetX, c.offsetX) << c.x;
    EXPECT_EQ(live.settings.offsetY, c.offsetY) << c.y;
  }
  panel.PressPad(10, 200);
  EXPECT_EQ(panel.Marker(), (PadPoint{10, 200}));
  panel.ResetOffsets();
  EXPECT_EQ(panel.Marker(), (PadPoint{128, 128}));
}

TEST(PlaySettingsPanel, LockXYKeepsBothSizesTogether) {
  LiveState live;
  PlaySettingsPanel panel(live);
  panel.MoveSlider(PlaySlider::kHorizontalSize, 12);
  EXPECT_EQ(live.settings.sizeY, 20);
  panel.SetLockXY(true);
  EXPECT_EQ(live.settings.sizeY, 12);
  panel.MoveSlider(PlaySlider::kVerticalSize, 30);
  EXPECT_EQ(live.settings.sizeX, 30);
  panel.MoveSlider(PlaySlider::kHorizontalSize, 55);  // beyond the range
  EXPECT_EQ(live.settings.sizeX, 40);
  EXPECT_EQ(live.settings.sizeY, 40);
}

TEST(PlaySettingsPanel, SlidersWriteTheirSettings) {
  LiveState live;
  PlaySettingsPanel panel(live);
  EXPECT_EQ(panel.SliderPosition(PlaySlider::kScanRate), 150);
  EXPECT_EQ(PlaySettingsPanel::ShownValue(PlaySlider::kScanRate, 150), 36000);
  EXPECT_EQ(PlaySettingsPanel::ShownValue(PlaySlider::kBlankDelay, 150), 150);
  panel.MoveSlider(PlaySlider::kScanRate, 20);
  EXPECT_EQ(live.settings.scanRateCode, 230);
  panel.MoveSlider(PlaySlider::kBlankDelay, 255);
  panel.MoveSlider(PlaySlider::kLocateAngle, 90);
  panel.MoveSlider(PlaySlider::kFrameInterval, 1);
  panel.MoveSlider(PlaySlider::kBlueDepth, 200);
  EXPECT_EQ(live.settings.blankDelay, 255);
  EXPECT_EQ(live.settings.locateAngle, 90);
  EXPECT_EQ(live.settings.frameInterval, 2);
  EXPECT_EQ(live.settings.blueDepth, 200);
  for (const PlaySliderSpec& spec : PlaySliders()) {
    LiveState fresh;
    EXPECT_EQ(PlaySettingsPanel(fresh).SliderPosition(spec.slider), spec.initial) << spec.label;
  }
}

TEST(PlaySettingsPanel, PlayDispatchesToTheOwnerOnly) {
  LiveState live;
  PlaySettingsPanel panel(live);
  std::vector<std::string> pressed;
  PlayButtons textButtons;
  for (int owner = 0; owner < kPlayOwnerCount; ++owner) {
    panel.Targets().Set(
        owner, PlayOwnerTarget{[&, owner](const PlayButtons& b) {
                                 pressed.push_back("buttons" + std::to_string(owner));
                                 textButtons = b;
                               },
                               [&, owner] { pressed.push_back("play" + std::to_string(owner)); },
                               {}});
  }
  const PlayButtons buttons{true, true, false, true};

  panel.PressPlay(buttons);  // no owner yet
  EXPECT_TRUE(pressed.empty());
  EXPECT_TRUE(live.control.loopPlay);
  EXPECT_TRUE(live.settings.invertX);
  EXPECT_FALSE(live.settings.invertY);
  EXPECT_TRUE(live.control.paused);

  panel.SetOwner(kOwnerTextPlay);
  panel.PressPlay(buttons);
  EXPECT_EQ(pressed, (std::vector<std::string>{"buttons4", "play4"}));
  EXPECT_EQ(textButtons, buttons);

  pressed.clear();
  panel.SetOwner(kOwnerShowEdit);
  panel.PressPlay(buttons);
  EXPECT_EQ(pressed, std::vector<std::string>{"play3"});

  pressed.clear();
  panel.SetOwner(9);
  panel.PressPlay(buttons);
  EXPECT_TRUE(pressed.empty());
}

TEST(PlaySettingsPanel, ColourPanelsSetEveryPlayerAndLoopFollowsQuickPlay) {
  LiveState live;
  PlaySettingsPanel panel(live);
  ASSERT_EQ(ColourPanels().size(), 12u);
  EXPECT_STREQ(ColourPanels()[1].caption, "Whilte");
  EXPECT_EQ(ColourPanels()[10].code, 259);
  std::array<std::atomic<std::int32_t>, 4> players{0, 0, 0, 0};
  for (auto& mode : players)
    panel.AddColourModeTarget(mode);
  panel.ChooseColour(259);
  for (const auto& mode : players)
    EXPECT_EQ(mode, 259);
  bool quickLoop = false;
  panel.Targets().Set(kOwnerQuickPlay, PlayOwnerTarget{{}, {}, [&](bool on) { quickLoop = on; }});
  panel.SetLoop(true);
  EXPECT_TRUE(live.control.loopPlay);
  EXPECT_TRUE(quickLoop);
}

TEST(OffsetPad, BlackPadGreyDashedCrossRedMarker) {
  RecordingCanvas canvas;
  DrawOffsetPad(canvas, PadPoint{0, 255});
  using Op = RecordingCanvas::Op;
  using Call = RecordingCanvas::Call;
  const std::vector<Call> expected = {
      {Op::kFill, 0, 0, 256, 256, 0},
      {Op::kPen, 0x808080},
      {Op::kDashed, 1},
      {Op::kMove, 128, 0},
      {Op::kLine, 128, 255},
      {Op::kMove, 0, 128},
      {Op::kLine, 255, 128},
      {Op::kDashed, 0},
      {Op::kPen, 0x0000FF},
      {Op::kEllipse, -3, 252, 3, 258},
  };
  EXPECT_EQ(canvas.calls(), expected);
}

}  // namespace
}  // namespace ravix
