#include <gtest/gtest.h>

#include "output/frame_capture.hpp"
#include "output/rolling_text_clip.hpp"
#include "output/rolling_text_layout.hpp"
#include "output/rolling_text_player.hpp"
#include "support/fake_glyph_source.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::FakeGlyphSource;
using testing::P;
using Lines = std::vector<std::string>;

TEST(RollingTextClip, StrokesCrossingAnEdgeEndAndStartOnIt) {
  // A lit stroke leaving on the left ends with a lit point on x = 0.
  EXPECT_EQ(ClipObjectAtEdge({P(20, 50, 2, 4, 1), P(10, 60, 2), P(-10, 80, 2), P(-20, 90, 2)},
                             PictureEdge::kLeft),
            (DrawingObject{P(20, 50, 2, 4, 1), P(10, 60, 2), P(0, 70, 0)}));
  // One entering from the right starts blanked on x = 255.
  EXPECT_EQ(ClipObjectAtEdge({P(300, 50, 2, 5, 1), P(275, 70, 2, 5), P(235, 70, 2, 5)},
                             PictureEdge::kRight),
            (DrawingObject{P(255, 70, 0, 5, 1), P(235, 70, 2, 5)}));
  // Towards a blanked point nothing is put between; a point on the edge
  // reached from outside goes dark.
  EXPECT_EQ(ClipObjectAtEdge({P(-5, 10), P(5, 10, 0, 4, 1), P(-5, 20), P(0, 20), P(9, 9)},
                             PictureEdge::kLeft),
            (DrawingObject{P(5, 10, 0, 4, 1), P(0, 15, 0), P(0, 20, 0, 4, 1), P(9, 9)}));
  EXPECT_EQ(ClipObjectAtEdge({P(10, -10, 0, 7), P(10, 10)}, PictureEdge::kTop),
            (DrawingObject{P(10, 0, 0, 7, 1), P(10, 10)}));
  EXPECT_EQ(ClipObjectAtEdge({P(10, 250), P(10, 300)}, PictureEdge::kBottom),
            (DrawingObject{P(10, 250), P(10, 255, 0)}));
}

// Every glyph is one point at the top left of its box; E = 128, BY = 128.
FakeGlyphSource DotFont() {
  FakeGlyphSource font;
  font.reference = GlyphMetrics{128, 128, 0};
  for (CharacterCode c = 'A'; c <= 'Z'; ++c)
    font.glyphs[c] = {{{-0.5, 127.5}, {}}};
  font.glyphs[kReferenceCharacter] = {{{-0.5, 127.5}, {}}};
  return font;
}

TEST(RollingTextLayout, HorizontalTakesEveryCharacterVerticalCutsAndSqueezes) {
  FakeGlyphSource font = DotFont();
  const RollingTextFactors factors;
  const std::vector<std::string> lines = {"AB", "", "C D"};
  const Drawing characters = HorizontalTextObjects(lines, factors, font);
  ASSERT_EQ(characters.size(), 5u);
  EXPECT_EQ(characters[0], (DrawingObject{P(0, 0, 2, 4, 1), P(0, 0, 2)}));
  EXPECT_TRUE(characters[3].empty());  // the space

  const std::vector<std::string> rows = {"AB", "", std::string(30, 'A'), "   "};
  const Drawing objects = VerticalTextObjects(rows, factors, font);
  ASSERT_EQ(objects.size(), 3u);  // the empty line gives nothing
  EXPECT_EQ(objects[0].size(), 4u);
  EXPECT_EQ(objects[0][2].x, 64);     // pitch 256 / 4
  ASSERT_EQ(objects[1].size(), 40u);  // cut to 20 characters
  EXPECT_EQ(objects[1][2].x, 12);     // pitch 256 / 20
  EXPECT_TRUE(objects[2].empty());    // spaces only
}

struct TextRun {
  LiveState live;
  std::shared_ptr<QuickPlayChannel> quick = std::make_shared<QuickPlayChannel>();
  std::shared_ptr<RollingTextChannel> text = std::make_shared<RollingTextChannel>();

  Lines Capture(std::uint8_t playType, Drawing objects, std::size_t writes) {
    PlayJob job;
    job.text = std::make_shared<RollingTextJob>(RollingTextJob{std::move(objects), quick, text});
    return CapturePlayLoop(playType, job, live, FrameCaptureOptions{writes, &quick->frameTick});
  }
};

// The X byte (sent as 255 - x) of each point record of a frame.
std::vector<int> Xs(const std::string& frame) {
  std::vector<int> xs;
  for (std::size_t i = 0; i + 8 <= frame.size(); i += 8)
    xs.push_back(255 - std::stoi(frame.substr(i + 4, 2), nullptr, 16));
  return xs;
}

TEST(RollingTextPlayer, HorizontalRollsFiveSlotsSixtyFourApartInStepsOfFive) {
  TextRun run;
  run.live.settings.textLargeSize = 1;
  run.text->stayTicks = 1;
  // Six characters, each a single point at x = 10 of its box.
  const Drawing characters(6, DrawingObject{P(10, 20, 2, 4)});
  const Lines lines = run.Capture(kPlayTypeHorizontalText, characters, 1000);
  EXPECT_EQ(lines[0], "6464");
  ASSERT_EQ(lines.size(), 1u + 6 * 13);  // 13 positions a character, then the end
  EXPECT_EQ(Xs(lines[1]), (std::vector<int>{10, 74, 138, 202}));  // the fifth is beyond 255
  EXPECT_EQ(Xs(lines[2]), (std::vector<int>{5, 69, 133, 197}));
  EXPECT_EQ(Xs(lines[13]), (std::vector<int>{14, 78, 142, 206}));  // a = 60: the first has left
  EXPECT_EQ(Xs(lines[14]), (std::vector<int>{10, 74, 138, 202}));  // on by one character
  // Green in colour mode 257; y = 128 - 128 / 4 + 20 sent as 255 - 116.
  EXPECT_EQ(lines[1].substr(0, 8), "0502f58b");
  EXPECT_FALSE(run.live.control.playing);
}

TEST(RollingTextPlayer, StayTimeZeroShowsNothingAndSmallTextShiftsDown) {
  TextRun none;
  none.text->stayTicks = 0;
  EXPECT_EQ(none.Capture(kPlayTypeHorizontalText, Drawing(3, DrawingObject{P(0, 0)}), 5),
            (Lines{"6464"}));

  // "Large size" off: y / 9 below 128 - 128 / heightFactor.
  TextRun small;
  small.text->heightFactor = 2;
  small.text->stayTicks = 1;
  const Lines lines = small.Capture(kPlayTypeHorizontalText, {{P(120, 90, 0, 4)}}, 2);
  EXPECT_EQ(lines[1], "0500f5b5");  // x 120 / 12 = 10, y 64 + 90 / 9 = 74
}

TEST(RollingTextPlayer, VerticalSendsTheColourBlockAndRollsLinesUp) {
  TextRun run;
  run.live.settings.redDepth = 150;
  run.text->stayTicks = 1;
  run.text->rollStep = 32;
  const Drawing rows = {{P(100, 10, 0, 4)}, {P(100, 10, 0, 4)}};
  const Lines lines = run.Capture(kPlayTypeVerticalText, rows, 100);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "6464");
  EXPECT_EQ(lines[1], "96646464");
  // Line 0 starts at y = 10 + 64 and line 1 at 10 + 128 + 64; a = 64, 32, 0, -32.
  EXPECT_EQ(lines[2],
            "05009bb5"
            "05009b35");
  EXPECT_EQ(lines.size(), 2u + 4 + 4);  // each of the two windows rolls through four positions
}

}  // namespace
}  // namespace ravix
