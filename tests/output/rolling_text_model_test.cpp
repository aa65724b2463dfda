#include "output/rolling_text_model.hpp"

#include <gtest/gtest.h>

#include "output/rolling_text_layout.hpp"
#include "output/simulated_driver.hpp"
#include "support/fake_glyph_source.hpp"

namespace ravix {
namespace {

using namespace std::chrono_literals;

TEST(RollingTextModel, ControlsAreLimitedToTheirRangesAndPublished) {
  RollingTextModel model;
  struct Case {
    void (RollingTextModel::*set)(std::int32_t);
    std::int32_t value;
    const std::atomic<std::int32_t>& published;
    std::int32_t expected;
  };
  const RollingTextChannel& channel = *model.channel;
  const Case cases[] = {
      {&RollingTextModel::SetWidthFactor, 0, channel.widthFactor, 1},
      {&RollingTextModel::SetWidthFactor, 7, channel.widthFactor, 7},
      {&RollingTextModel::SetHeightFactor, 25, channel.heightFactor, 20},
      {&RollingTextModel::SetRollStep, 70, channel.rollStep, 64},
      {&RollingTextModel::SetStayTime, -1, channel.stayTicks, 0},
      {&RollingTextModel::SetStayTime, 100, channel.stayTicks, 100},
      {&RollingTextModel::SetWindowCount, 0, channel.windowCount, 1},
  };
  for (const Case& c : cases) {
    (model.*c.set)(c.value);
    EXPECT_EQ(c.published.load(), c.expected) << c.value;
  }
  // The factors are the preview's as well.
  EXPECT_EQ(model.text.options.widthFactor, 7);
  EXPECT_EQ(model.text.options.heightFactor, 20);
  EXPECT_EQ(RollingTextModel::CharacterSize(7), 36);

  LiveState live;
  model.SetLargeSize(live, true);
  EXPECT_EQ(live.settings.textLargeSize, 1);
  EXPECT_TRUE(model.text.options.largeSize);
  live.settings.textLargeSize = 0;
  model.TakeLargeSize(live);
  EXPECT_FALSE(model.text.options.largeSize);
}

TEST(RollingTextModel, PlayNeedsTheQuickPlayerAndTheFontAndStartsTheChosenPlayer) {
  SimulatedDriver driver(1);
  ControllerBus bus(driver, 0us);
  LiveState live;
  PlayHost host(live, bus);
  RollingTextModel model([](const std::string& family, Status& status) {
    if (family == "missing") {
      status = Status::Failure("no font found for missing");
      return std::unique_ptr<GlyphOutlineSource>();
    }
    auto font = std::make_unique<testing::FakeGlyphSource>();
    font->reference = GlyphMetrics{128, 128, 0};
    font->glyphs['T'] = {{{10, 10}, {}}};
    return std::unique_ptr<GlyphOutlineSource>(std::move(font));
  });
  std::string shown;
  const auto showStatus = [&](const std::string& text) { shown = text; };

  EXPECT_FALSE(model.Play(host, live, {}, showStatus));
  model.quick = std::make_shared<QuickPlayChannel>();
  model.text.fontFamily = "missing";
  EXPECT_EQ(model.Play(host, live, {}, showStatus).error(), "no font found for missing");
  EXPECT_FALSE(host.Running());
  EXPECT_EQ(shown, "");

  model.text.fontFamily = "any";
  model.verticalRoll = true;
  PlayButtons buttons;
  buttons.paused = true;
  ASSERT_TRUE(model.Play(host, live, buttons, showStatus));
  EXPECT_EQ(shown, kVerticalTextStartText);
  EXPECT_TRUE(live.control.paused);
  EXPECT_TRUE(host.Running());
  EXPECT_TRUE(host.StopAndWait());
}

}  // namespace
}  // namespace ravix
