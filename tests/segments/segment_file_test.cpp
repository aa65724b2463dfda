#include "segments/segment_file.hpp"

#include <gtest/gtest.h>

#include "core/text_lines.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

using Lines = std::vector<std::string>;

LaserPoint P(int x, int y, int z, int colour, int blanked) {
  return LaserPoint{
      x, y, z, static_cast<std::uint8_t>(colour), 0, static_cast<std::uint8_t>(blanked)};
}

TSectionRecord Row(std::string key, int time, std::string effect, int colour, Drawing objects) {
  return TSectionRecord{std::move(key), time, std::move(effect), colour, std::move(objects)};
}

const char* const kExample =
    "[SectionContent]\r\n"
    "0|400|Spin.ect|257|\r\n"
    "1|200|null|2|\r\n"
    "[DrawingList]\r\n"
    "DrawingName=0\r\n"
    "10,10,0,3,0,1|200,10,0,3,0,128|\r\n"
    "DrawingName=1\r\n"
    "128,128,0,5,0,128|\r\n"
    "[EffectList]\r\n"
    "EffectName=Spin.ect\r\n"
    "ro:128,128,160\r\n";

TEST(SegmentFile, WritesTheLayoutAndReadsItBack) {
  const SegmentItemCells items[] = {{"0", "400", "Spin.ect", "257"}, {"1", "200", "null", "2"}};
  const std::string drawings[] = {"10,10,0,3,0,1|200,10,0,3,0,128|", "128,128,0,5,0,128|", "", ""};
  const EffectList effects = {{{"Spin.ect", {"ro:128,128,160"}}}};
  TempFolder folder;
  ASSERT_TRUE(SegmentFileWrite(folder / "a.sec", items, drawings, effects));
  EXPECT_EQ(ReadText(folder / "a.sec"), kExample);

  std::vector<TSectionRecord> rows = {Row("stale", 1, "x", 1, {})};
  ASSERT_TRUE(SegmentFileRead(folder / "a.sec", rows));
  const std::vector<TSectionRecord> expected = {
      Row("0", 400, "Spin.ect", 257, {{P(10, 10, 0, 3, 1), P(200, 10, 0, 3, 0)}}),
      Row("1", 200, "null", 2, {{P(128, 128, 0, 5, 0)}}),
  };
  EXPECT_EQ(rows, expected);
  std::int32_t duration = -1;
  ASSERT_TRUE(SegmentDuration(folder / "a.sec", duration));
  EXPECT_EQ(duration, 600);
}

TEST(SegmentFile, DrawingSlotsKeepTheirNumbers) {
  const std::string gap[] = {"1,1,0,1,0,128|", "", "2,2,0,2,0,128|", ""};
  EXPECT_EQ(SegmentFileToLines({}, gap, {}),
            (Lines{"[SectionContent]", "[DrawingList]", "DrawingName=0", "1,1,0,1,0,128|",
                   "DrawingName=1", "", "DrawingName=2", "2,2,0,2,0,128|", "[EffectList]"}));
  const std::string none[] = {"", ""};
  EXPECT_EQ(SegmentFileToLines({}, none, {}),
            (Lines{"[SectionContent]", "[DrawingList]", "[EffectList]"}));

  const SegmentItemCells items[] = {{"2", "", "", ""}, {"1", "5", "e", "3"}, {"2", "1", "", "4"}};
  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(SegmentFileFromLines(SegmentFileToLines(items, gap, {}), rows));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], Row("2", 0, "", 0, {{P(2, 2, 0, 2, 0)}}));
  EXPECT_EQ(rows[1], Row("1", 5, "e", 3, {}));
  EXPECT_EQ(rows[2].objects, rows[0].objects);  // each item has its own copy
}

TEST(SegmentFile, ItemLineFieldsAndDrawingLookup) {
  const Lines lines = {
      "ignored first line",
      "0||null|257|",    // two bars in a row: time 0
      "A|7",             // the last field runs to the end of the line
      "9",               // a drawing key alone
      "x|1|e|2|extra|",  // fields after the fourth are ignored
      "[drawinglist]",
      "DRAWINGNAME=a",
      "5,5,0,1,0,0|",  // lookup ignores letter case; flags 0 still end the object
      "DrawingName=0",
      "1,1,0,1,0,130|2,2,0,1,0,129|",
      "DrawingName=0",
      "3,3,0,1,0,128|",  // only the first matching name line counts
      "DrawingName=x",   // the last line: no point line after it
  };
  std::vector<TSectionRecord> rows;
  ASSERT_TRUE(SegmentFileFromLines(lines, rows));
  const std::vector<TSectionRecord> expected = {
      Row("0", 0, "null", 257, {{P(1, 1, 0, 1, 0), P(2, 2, 0, 1, 1)}}),
      Row("A", 7, "", 0, {{P(5, 5, 0, 1, 0)}}),
      Row("9", 0, "", 0, {}),
      Row("x", 1, "e", 2, {}),
  };
  EXPECT_EQ(rows, expected);

  EXPECT_TRUE(SegmentFileFromLines(Lines{"[SectionContent]", "0|1|a|2|"}, rows));
  EXPECT_TRUE(rows.empty());  // no "[DrawingList]": no items
  EXPECT_TRUE(SegmentFileFromLines(Lines{"[DrawingList]", "0|1|a|2|"}, rows));
  EXPECT_TRUE(rows.empty());
}

TEST(SegmentFile, ConversionErrorKeepsTheRecordsReadBefore) {
  struct Case {
    const char* secondItem;
    const char* error;
  };
  const Case cases[] = {
      {"1|12x|null|2|", "'12x' is not a valid integer value"},
      {"1|5|null|Auto|", "'Auto' is not a valid integer value"},
      {"1| |null|2|", "' ' is not a valid integer value"},
      {"bad|5|null|2|", "'y' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    const Lines lines = {"[SectionContent]", "0|400|null|257|", c.secondItem,
                         "2|9|null|1|",      "[DrawingList]",   "DrawingName=0",
                         "1,1,0,1,0,128|",   "DrawingName=bad", "1,y,0,1,0,128|"};
    std::vector<TSectionRecord> rows;
    EXPECT_EQ(SegmentFileFromLines(lines, rows).error(), c.error) << c.secondItem;
    ASSERT_EQ(rows.size(), 1u) << c.secondItem;
    EXPECT_EQ(rows[0], Row("0", 400, "null", 257, {{P(1, 1, 0, 1, 0)}}));
  }
}

TEST(SegmentFile, DurationAddsTheTimes) {
  struct Case {
    Lines lines;
    std::int32_t duration;
    const char* error;
  };
  const Case cases[] = {
      {{"[SectionContent]", "0|500|", "1|300|x|q|", "2||", "3|200", "[DrawingList]", "9|99|"},
       1000,
       ""},
      {{"[SectionContent]", "0|2147483647|", "0|1|", "[DrawingList]"}, 2147483647, ""},
      {{"[SectionContent]", "0|-2147483648|", "0|-1|", "[DrawingList]"}, -2147483647 - 1, ""},
      {{"[SectionContent]", "0|5|", "0|12x|", "[DrawingList]"},
       0,
       "'12x' is not a valid integer value"},
      {{"[SectionContent]", "0|5|"}, 0, ""},
  };
  for (const Case& c : cases) {
    std::int32_t duration = -1;
    const Status status = SegmentDurationFromLines(c.lines, duration);
    EXPECT_EQ(status.ok() ? "" : status.error(), c.error);
    EXPECT_EQ(duration, c.duration) << ::testing::PrintToString(c.lines);
  }
  TempFolder folder;
  std::int32_t duration = -1;
  EXPECT_FALSE(SegmentDuration(folder / "missing.sec", duration));
  EXPECT_EQ(duration, 0);
}

}  // namespace
}  // namespace ravix
