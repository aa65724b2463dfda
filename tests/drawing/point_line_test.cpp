#include "drawing/point_line.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

LaserPoint P(int x, int y, int z, int colour, int blanked) {
  return LaserPoint{
      x, y, z, static_cast<std::uint8_t>(colour), 0, static_cast<std::uint8_t>(blanked)};
}

TEST(PointLine, FlagsMarkBlankingAndObjectEnds) {
  Drawing drawing = {{P(9, 9, 0, 0, 0)}};  // replaced, not appended to
  ASSERT_TRUE(ParsePointLine("10,20,2,4,0,1|100,20,2,4,0,128|30,40,0,1,0,129|", drawing));
  const Drawing expected = {{P(10, 20, 2, 4, 1), P(100, 20, 2, 4, 0)}, {P(30, 40, 0, 1, 1)}};
  EXPECT_EQ(drawing, expected);
}

TEST(PointLine, ReaderRulesForUnusualTokens) {
  struct Case {
    const char* line;
    Drawing expected;
  };
  const Case cases[] = {
      {"", {}},
      {"no bar at all", {}},
      // Without an end flag the line still closes its object.
      {"1,2,0,3,0,0|4,5,0,3,0,0|", {{P(1, 2, 0, 3, 0), P(4, 5, 0, 3, 0)}}},
      // 130 is neither blanked nor an end; text after the last "|" is ignored.
      {"1,2,0,3,0,130|4,5,0,3,0,129|7,7,7", {{P(1, 2, 0, 3, 0), P(4, 5, 0, 3, 1)}}},
      // The state field is skipped, colour keeps its low 8 bits, leading blanks
      // and signs convert, and flags text other than the four values is ordinary.
      {"-5, +6,300,300,77,6,7|1,1,1,-1,x,1 |", {{P(-5, 6, 300, 44, 0), P(1, 1, 1, 255, 0)}}},
  };
  for (const Case& c : cases) {
    Drawing drawing;
    EXPECT_TRUE(ParsePointLine(c.line, drawing)) << c.line;
    EXPECT_EQ(drawing, c.expected) << c.line;
  }
}

TEST(PointLine, MalformedTokenStopsAndKeepsWhatCameBefore) {
  struct Case {
    const char* line;
    const char* error;
  };
  const Case cases[] = {
      {"1,2,0,3,0,128|x,5,0,3,0,0|", "'x' is not a valid integer value"},
      {"1,2,0,3,0,128|4,,0,3,0,0|", "'' is not a valid integer value"},
      {"1,2,0,3,0,128|4,5,0,3|", "'4,5,0,3' is not a valid integer value"},
      {"1,2,0,3,0,128|4,5,0,3,0|", "'4,5,0,3,0' is not a valid integer value"},
      {"1,2,0,3,0,128|4,5,2147483648,3,0,0|", "'2147483648' is not a valid integer value"},
      {"1,2,0,3,0,128|4,5,0,3 ,0,0|", "'3 ' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    Drawing drawing;
    const Status status = ParsePointLine(c.line, drawing);
    EXPECT_EQ(status.error(), c.error) << c.line;
    EXPECT_EQ(drawing, (Drawing{{P(1, 2, 0, 3, 0)}})) << c.line;
  }
}

TEST(PointLine, EncodeMarksLastPointsAndSkipsEmptyObjects) {
  Drawing drawing = {{P(10, 20, 2, 4, 1), P(100, 20, 2, 4, 0)}, {}, {P(30, 40, 0, 255, 1)}};
  drawing[0][1].state = 2;  // written as the point holds it
  EXPECT_EQ(EncodePointLine(drawing), "10,20,2,4,0,1|100,20,2,4,2,128|30,40,0,255,0,129|");
  EXPECT_EQ(EncodePointLine({}), "");

  Drawing back;
  ASSERT_TRUE(ParsePointLine(EncodePointLine(drawing), back));
  drawing[0][1].state = 0;
  drawing.erase(drawing.begin() + 1);
  EXPECT_EQ(back, drawing);
}

TEST(PointLine, ExtremeValuesRoundTrip) {
  const Drawing drawing = {{P(-2147483647 - 1, 2147483647, -3, 0, 0)}};
  Drawing back;
  ASSERT_TRUE(ParsePointLine(EncodePointLine(drawing), back));
  EXPECT_EQ(back, drawing);
}

}  // namespace
}  // namespace ravix
