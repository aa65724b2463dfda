#include "drawing/text_outline.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "drawing/font_glyph_source.hpp"
#include "drawing/gbk_text.hpp"
#include "support/fake_glyph_source.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::FakeGlyphSource;
using testing::P;

// W = 64, H = 64, E = 128 and BY = 128 map (gx, gy) to
// (gx + 0.5, (127.5 - gy) / 2), truncated.
GlyphScale TestScale() {
  return {128, 128};
}

TEST(GlyphTracerTest, LineAndSplineRecordsBecomeOneRunPerContour) {
  const GlyphOutline outline = {
      {{9.5, 100},
       {{OutlineCurve::Kind::kLine, {{19.5, 100}}},
        {OutlineCurve::Kind::kQuadraticSpline, {{39.5, 80}, {59.5, 80}, {59.5, 40}}}}},
      {{99.5, 10}, {{OutlineCurve::Kind::kLine, {{109.5, 10}}}}},
  };
  DrawingObject object;
  TraceGlyph(outline, TestScale(), {64, 64}, 4, object);
  const DrawingObject expected = {
      // first contour: start, line point, spline B0..B2, closing copy
      P(10, 13, 2, 4, 1), P(20, 13, 2), P(20, 13, 0), P(50, 23, 0),  // previous again, mid(B0, B1)
      P(50, 23, 0), P(60, 33, 0),                                    // previous again, mid(B1, B2)
      P(60, 43, 2), P(10, 13, 2),
      // second contour starts blanked
      P(100, 58, 2, 4, 1), P(110, 58, 2), P(100, 58, 2)};
  EXPECT_EQ(object, expected);
}

TEST(GlyphTracerTest, ThinningDropsNearPointsAndKeepsContoursDark) {
  DrawingObject object = {P(0, 0, 2, 4, 1), P(1, 1), P(3, 0), P(3, 1, 2, 4, 1), P(10, 0), P(10, 2)};
  DrawingObject none = object;
  ThinObject(none, 0);
  EXPECT_EQ(none, object);
  ThinObject(object, 3);
  // (3, 1) is dropped near (3, 0); its blanking goes on to (10, 0).
  EXPECT_EQ(object, (DrawingObject{P(0, 0, 2, 4, 1), P(3, 0), P(10, 0, 0, 4, 1)}));
}

TEST(GlyphTracerTest, FontWithoutReferenceCharacterUsesItsEmSquare) {
  FakeGlyphSource source;
  const GlyphScale fallback = ReferenceScale(source);
  EXPECT_EQ(fallback.e, 100);
  EXPECT_EQ(fallback.by, 80);
  source.reference = GlyphMetrics{0, 50, 0};  // empty reference: no division by 0
  EXPECT_EQ(ReferenceScale(source).e, 100);
  source.reference = GlyphMetrics{90, 70, 6};
  EXPECT_EQ(ReferenceScale(source).e, 96);
  EXPECT_EQ(ReferenceScale(source).by, 70);
}

TEST(TextLayoutTest, LinesAreCutAtTwentyBytesAndTwoByteCharactersStayWhole) {
  EXPECT_EQ(SplitCharacters("abc").size(), 3u);
  EXPECT_EQ(SplitCharacters(std::string(30, 'x')).size(), 20u);
  const std::string gbk = EncodeGbk("啊啊啊啊啊啊啊啊啊啊啊");  // 22 bytes
  ASSERT_EQ(gbk.size(), 22u);
  const auto codes = SplitCharacters(gbk);
  ASSERT_EQ(codes.size(), 10u);
  EXPECT_EQ(codes[0], kReferenceCharacter);
  // A two-byte character cut by the limit is left out.
  EXPECT_EQ(SplitCharacters("a" + gbk).size(), 10u);
  EXPECT_EQ(EncodeGbk("a\xff"
                      "b"),
            "a?b");
  EXPECT_EQ(DecodeGbkCharacter(kReferenceCharacter), U'\u554A');
}

TEST(TextLayoutTest, BoxesAndLetterShifts) {
  EXPECT_EQ(CharacterBoxFor('w', 4, 4).width, 45);
  EXPECT_EQ(CharacterBoxFor('M', 4, 2).width, 45);
  EXPECT_EQ(CharacterBoxFor('a', 4, 2).width, 64);
  EXPECT_EQ(CharacterBoxFor(kReferenceCharacter, 3, 2).width, 85);
  EXPECT_EQ(CharacterBoxFor('a', 4, 2).height, 128);
  for (const char letter : std::string("ijlrtfIJ")) {
    EXPECT_EQ(LetterShift(letter, 4, false), 250) << letter;
    EXPECT_EQ(LetterShift(letter, 4, true), 16) << letter;
  }
  for (const char letter : std::string("nkoT"))
    EXPECT_EQ(LetterShift(letter, 4, false), 0) << letter;
}

TEST(TextLayoutTest, RowsAndColumnsWithLargeSizeOffAndCanvasLimit) {
  FakeGlyphSource source;
  source.reference = GlyphMetrics{127.5, 0, 0.5};  // E = 128
  // One point glyph at outline (127.5, -128.5): box 64 x 64 maps it to
  // (128, 64) before the 1/12 and 1/9 of Large size off.
  const GlyphOutline dot = {{{127.5, -128.5}, {}}};
  source.glyphs['a'] = dot;
  source.glyphs['i'] = dot;
  TextOutlineOptions options;
  options.fine = 0;
  const std::vector<std::string> lines = {"ai", " a"};
  const Drawing objects = GenerateTextObjects(lines, options, source);
  ASSERT_EQ(objects.size(), 4u);
  EXPECT_EQ(objects[0][0], P(10, 7, 2, 4, 1));            // 128 / 12, 64 / 9
  EXPECT_EQ(objects[1][0], P(64 + 31, 7, 2, 4, 1));       // (128 + 250) / 12 + 64
  EXPECT_TRUE(objects[2].empty());                        // a space has no outline
  EXPECT_EQ(objects[3][0], P(64 + 10, 64 + 7, 2, 4, 1));  // second row
  EXPECT_TRUE(GenerateTextObjects(std::vector<std::string>{" ", "\t"}, options, source).empty());

  const Drawing canvas = TextObjectsForCanvas({{P(265, 0)}, {P(266, 10)}, {P(10, 270)}});
  EXPECT_EQ(canvas, (Drawing{{P(530, 0)}}));
}

// The installed fonts, through fontconfig and FreeType.
class InstalledFontTest : public ::testing::Test {
 protected:
  std::unique_ptr<FontGlyphSource> Open(const std::string& family) {
    Status status;
    auto source = FontGlyphSource::Open(family, status);
    EXPECT_TRUE(status.ok()) << status.error();
    return source;
  }
};

bool ClosedRuns(const DrawingObject& object) {
  std::size_t runStart = 0;
  for (std::size_t i = 1; i <= object.size(); ++i) {
    if (i == object.size() || object[i].blanked) {
      const LaserPoint& first = object[runStart];
      const LaserPoint& last = object[i - 1];
      if (first.x != last.x || first.y != last.y)
        return false;
      runStart = i;
    }
  }
  return true;
}

TEST_F(InstalledFontTest, DefaultFontResolvesToAChineseFont) {
  const auto source = Open(kDefaultTextFont);
  ASSERT_TRUE(source);
  EXPECT_TRUE(source->Metrics(kReferenceCharacter).has_value()) << source->familyName();
}

TEST_F(InstalledFontTest, GlyphsTraceIntoClosedRuns) {
  for (const char* family : {"DejaVu Sans", "WenQuanYi Zen Hei"}) {
    const auto source = Open(family);
    ASSERT_TRUE(source);
    CharacterTracer tracer(*source);
    const DrawingObject o = tracer.Trace('o', 4, 4, true, 4);
    EXPECT_TRUE(ClosedRuns(o)) << family;
    int runs = 0;
    for (const LaserPoint& p : o)
      runs += p.blanked;
    EXPECT_EQ(runs, 2) << family;
    const DrawingObject ah = tracer.Trace(kReferenceCharacter, 4, 4, true, 4);
    EXPECT_FALSE(ah.empty()) << family;
    EXPECT_TRUE(ClosedRuns(ah)) << family;
    EXPECT_TRUE(tracer.Trace(' ', 4, 4, true, 4).empty()) << family;
  }
}

TEST_F(InstalledFontTest, IllAndInkShiftIAndLButNotNAndK) {
  const auto source = Open("DejaVu Sans");
  ASSERT_TRUE(source);
  const TextOutlineOptions options;
  for (const std::string word : {"ill", "ink"}) {
    const Drawing objects = GenerateTextObjects(std::vector<std::string>{word}, options, *source);
    ASSERT_EQ(objects.size(), 3u);
    for (std::size_t c = 0; c < 3; ++c) {
      ASSERT_FALSE(objects[c].empty());
      std::int32_t left = objects[c][0].x;
      for (const LaserPoint& p : objects[c])
        left = std::min(left, p.x);
      // Boxes are 64 apart; a shifted letter starts at least 1000 / 4 / 12
      // right of its box, an unshifted one inside its 128 / 12 glyph width.
      const std::int32_t inBox = left - static_cast<std::int32_t>(c) * 64;
      if (word[c] == 'i' || word[c] == 'l')
        EXPECT_GE(inBox, 20) << word << ' ' << c;
      else
        EXPECT_LT(inBox, 11) << word << ' ' << c;
    }
  }
}

}  // namespace
}  // namespace ravix
