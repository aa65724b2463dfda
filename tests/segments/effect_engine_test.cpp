#include "segments/effect_engine.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/palette.hpp"

namespace ravix {
namespace {

std::vector<CompiledStep> Steps(std::initializer_list<const char*> lines) {
  std::vector<CompiledStep> steps;
  for (const char* line : lines)
    steps.push_back(*CompileStep(line));
  return steps;
}

// Runs `points` points through CountPoint and ApplySteps as a player does and
// records `field` after each.
std::vector<std::int32_t> RunPoints(const std::vector<CompiledStep>& steps, int points,
                                    std::function<std::int32_t(const EffectState&)> field,
                                    EffectState state = {}) {
  std::vector<std::int32_t> values;
  for (int i = 0; i < points; ++i) {
    CountPoint(state, false);
    double x = 100, y = 100;
    std::int32_t colour = 257;
    ApplySteps(steps, state, x, y, colour, i);
    values.push_back(field(state));
  }
  return values;
}

// The point numbers (1-based) at which `values` changed.
std::vector<int> ChangePoints(const std::vector<std::int32_t>& values, std::int32_t start = 0) {
  std::vector<int> points;
  std::int32_t last = start;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != last)
      points.push_back(static_cast<int>(i) + 1);
    last = values[i];
  }
  return points;
}

const auto kMoveX = [](const EffectState& s) { return s.moveX; };

TEST(ApplySteps, MoveBandsAdvanceAtTheirRates) {
  EXPECT_EQ(RunPoints(Steps({"hb:191"}), 4, kMoveX), (std::vector<std::int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(ChangePoints(RunPoints(Steps({"hb:128"}), 130, kMoveX)), (std::vector<int>{64, 128}));
  EXPECT_EQ(RunPoints(Steps({"hb:255"}), 3, kMoveX), (std::vector<std::int32_t>{509, 508, 507}));
  EXPECT_EQ(ChangePoints(RunPoints(Steps({"hb:192"}), 130, kMoveX)), (std::vector<int>{64, 128}));
}

TEST(ApplySteps, FixedAndAnimatedMovesShiftTheCoordinate) {
  EffectState state;
  std::int32_t colour = 257;
  double x = 100, y = 100;
  ApplySteps(Steps({"hb:0"}), state, x, y, colour, 0);
  EXPECT_EQ(x, 100);
  ApplySteps(Steps({"hb:127"}), state, x, y, colour, 0);  // 508 folds back: 100 + 510 - 508
  EXPECT_EQ(x, 102);
  ApplySteps(Steps({"vb:10"}), state, x, y, colour, 0);
  EXPECT_EQ(y, 60);
  // Two animated steps share one counter; the fixed one after them shifts again.
  state = {};
  CountPoint(state, false);
  x = 100;
  ApplySteps(Steps({"hb:191", "hb:191", "hb:10"}), state, x, y, colour, 0);
  EXPECT_EQ(state.moveX, 1);  // the second found its counter reset by the first
  EXPECT_EQ(x, 98 - 40);      // the second applies the shared field once more
}

TEST(ApplySteps, StretchOnlyGrowsAndWraps) {
  const auto stretch = [](const EffectState& s) { return s.stretchX; };
  EXPECT_EQ(RunPoints(Steps({"hs:255"}), 3, stretch), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(ChangePoints(RunPoints(Steps({"hs:128"}), 257, stretch)), (std::vector<int>{128, 256}));
  EffectState nearWrap;
  nearWrap.stretchX = 509;
  EXPECT_EQ(RunPoints(Steps({"hs:255"}), 1, stretch, nearWrap), (std::vector<std::int32_t>{0}));
}

TEST(ApplySteps, TurnsWrapWithin256) {
  const auto turn = [](const EffectState& s) { return s.turnY; };
  EXPECT_EQ(RunPoints(Steps({"vr:255"}), 2, turn), (std::vector<std::int32_t>{255, 254}));
  EffectState state;
  double x = 100, y = 100;
  std::int32_t colour = 257;
  ApplySteps(Steps({"hr:0"}), state, x, y, colour, 0);  // phase 0 mirrors
  double mirrored = 100;
  FlipTurn(0, mirrored);
  EXPECT_EQ(x, mirrored);
}

TEST(ApplySteps, RotateAboutTheMirroredCentre) {
  EffectState state;
  std::int32_t colour = 257;
  for (const char* line : {"ro:128,128,0", "ro:128,128,127"}) {
    double x = 200, y = 50;
    ApplySteps(Steps({line}), state, x, y, colour, 0);
    EXPECT_NEAR(x, 200, 1e-4) << line;  // pi is 3.1415926
    EXPECT_NEAR(y, 50, 1e-4) << line;
  }
  double x = 200, y = 127;  // 73 right of the centre (127, 127)
  ApplySteps(Steps({"ro:128,128,32"}), state, x, y, colour, 0);  // 32 * 360 / 127 = 90
  EXPECT_NEAR(x, 127, 1e-3);
  EXPECT_NEAR(y, 200, 1e-3);
  // ro:0,0,191 spins about drawing point (0, 0), one degree more every point.
  const auto angle = [](const EffectState& s) { return s.rotateAngle; };
  EXPECT_EQ(RunPoints(Steps({"ro:0,0,191"}), 3, angle), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(RunPoints(Steps({"ro:0,0,255"}), 2, angle), (std::vector<std::int32_t>{359, 358}));
  state = {};
  x = 255, y = 255;  // the working position of drawing point (0, 0) stays
  CountPoint(state, false);
  ApplySteps(Steps({"ro:0,0,191"}), state, x, y, colour, 0);
  EXPECT_EQ(x, 255);
  EXPECT_EQ(y, 255);
}

TEST(ApplySteps, ZoomFactorsAndBands) {
  EffectState state;
  std::int32_t colour = 257;
  double x = 227, y = 27;
  ApplySteps(Steps({"zoom:128,128,0"}), state, x, y, colour, 0);
  EXPECT_EQ(x, 227);
  ApplySteps(Steps({"zoom:128,128,64"}), state, x, y, colour, 0);  // halves about (127, 127)
  EXPECT_EQ(x, 177);
  EXPECT_EQ(y, 77);

  const auto factor = [](const EffectState& s) { return s.zoomFactor; };
  std::vector<std::int32_t> expected;
  for (int i = 1; i <= 128; ++i)
    expected.push_back(i);
  for (int i = 127; i >= 0; --i)
    expected.push_back(i);
  expected.push_back(1);
  EXPECT_EQ(RunPoints(Steps({"zoom:128,128,255"}), 257, factor), expected);
  // 128..169 grows from a point and starts again after 126.
  EffectState grown;
  grown.zoomPhase = 126;
  EXPECT_EQ(RunPoints(Steps({"zoom:1,1,169"}), 2, factor, grown),
            (std::vector<std::int32_t>{0, 1}));
  // 170..211 shrinks and starts again from 126.
  EXPECT_EQ(RunPoints(Steps({"zoom:1,1,211"}), 2, factor), (std::vector<std::int32_t>{126, 125}));
}

TEST(ApplySteps, ColourRotationAndSlowDraw) {
  const auto offset = [](const EffectState& s) { return s.colourOffset; };
  EXPECT_EQ(ChangePoints(RunPoints(Steps({"co:0"}), 512, offset)), (std::vector<int>{256, 512}));
  EffectState wrap;
  wrap.colourOffset = 231;
  EXPECT_EQ(RunPoints(Steps({"co:255"}), 1, offset, wrap), (std::vector<std::int32_t>{0}));

  EffectState state;
  state.rowPointTotal = 1000;
  state.slowDrawShown = 3;
  std::int32_t colour = 257;
  double x = 0, y = 0;
  ApplySteps(Steps({"sd:10,20,0"}), state, x, y, colour, 0);
  EXPECT_EQ(colour, 257);
  EXPECT_EQ(state.slowDrawShown, 1000);

  state.slowDrawShown = 0;
  std::vector<std::int32_t> colours;
  for (int i = 0; i < 130; ++i) {
    CountPoint(state, false);
    ApplySteps(Steps({"sd:10,20,128"}), state, x, y, colour, 0);
    colours.push_back(colour);
  }
  EXPECT_EQ(state.slowDrawShown, 1);  // one more every 128 points
  EXPECT_EQ(colours[126], 10);
  EXPECT_EQ(colours[127], 20);
  ApplySteps(Steps({"sd:10,20,128"}), state, x, y, colour, 1);  // index 1 is not below 1
  EXPECT_EQ(colour, 10);
  state.slowDrawShown = 1000;
  state.Counter(EffectCode::kSlowDraw) = 200;
  ApplySteps(Steps({"sd:10,20,128"}), state, x, y, colour, 0);
  EXPECT_EQ(state.slowDrawShown, 0);  // past the total: starts over
}

TEST(EffectState, PauseHoldsCountersAndResetsKeepTheZoom) {
  EffectState state;
  CountPoint(state, true);
  EXPECT_EQ(state.Counter(EffectCode::kHorizontalMove), 0);
  state.moveX = 5;
  state.zoomPhase = 7;
  state.zoomFactor = 7;
  state.colourOffset = 3;
  CountPoint(state, false);
  ResetForItemKeepingCounters(state);
  EXPECT_EQ(state.moveX, 0);
  EXPECT_EQ(state.Counter(EffectCode::kZoom), 1);
  ResetForItem(state);
  EXPECT_EQ(state.Counter(EffectCode::kZoom), 0);
  EXPECT_EQ(state.zoomPhase, 7);
  EXPECT_EQ(state.colourOffset, 0);
  ResetForPreview(state);
  EXPECT_EQ(state.zoomPhase, 0);
  EXPECT_EQ(state.zoomFactor, 7);
}

TEST(PickColour, ModesAndColourZero) {
  struct Case {
    std::uint8_t pc;
    std::int32_t cv, sel, offset, rnd3;
    std::uint8_t sent;
  };
  const Case cases[] = {
      {9, 257, 257, 0, 0, 9},    // Auto: the point's own colour
      {9, 2, 257, 0, 0, 2},      // the item's palette colour
      {9, 2, 5, 0, 0, 5},        // the window's choice overrides the item
      {9, 257, 258, 0, 0, 10},   // Rnd1 without offset
      {231, 258, 257, 5, 0, 5},  // Rnd1 wraps: (231 + 5) % 232 + 1
      {9, 259, 257, 7, 0, 8},    // Rnd2
      {9, 260, 257, 0, 233, 2},  // Rnd3
      {9, 259, 257, 4, 0, 5},    // Rnd2 through the colour variable
      {9, 300, 257, 0, 0, 300 & 0xFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PickColour(c.pc, c.cv, c.sel, c.offset, c.rnd3), c.sent)
        << int(c.pc) << " " << c.cv << " " << c.sel;
  }
  for (std::int32_t mode : {0, 2, 255, 257, 258, 259, 260}) {
    EXPECT_EQ(PickColour(0, mode, 257, 17, 40), 0) << mode;
    EXPECT_EQ(PickColour(0, 257, mode, 17, 40), 0) << mode;
  }
}

}  // namespace
}  // namespace ravix
