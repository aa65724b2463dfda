#include "drawing/frame_list_file.hpp"

#include <gtest/gtest.h>

#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

TEST(FrameListFile, WriteThenReadKeepsPointsAndObjectsAndDropsEmptyObjects) {
  TempFolder folder;
  const FrameList frames = {
      {{P(10, 20, 2, 4, 1), P(100, 20, 2, 4)}, {}, {P(30, 40, 0, 1, 1)}},
      {},
      {{P(0, 0, 3, 255)}, {P(255, 255, 0, 0, 1), P(128, 128)}},
  };
  WriteText(folder / "a.ilf", "old content that is replaced");
  ASSERT_TRUE(FrameListWrite(folder / "a.ilf", frames));
  EXPECT_EQ(ReadText(folder / "a.ilf"),
            "[DrawingList]\r\n"
            "DrawingName=0\r\n10,20,2,4,0,1|100,20,2,4,0,128|30,40,0,1,0,129|\r\n"
            "DrawingName=1\r\n\r\n"
            "DrawingName=2\r\n0,0,3,255,0,128|255,255,0,0,0,1|128,128,0,4,0,128|\r\n");

  FrameList back = {{{P(1, 1)}}};
  ASSERT_TRUE(FrameListRead(folder / "a.ilf", back));
  FrameList expected = frames;
  expected[0].erase(expected[0].begin() + 1);
  EXPECT_EQ(back, expected);
}

TEST(FrameListFile, FramesAreTakenByPositionWhateverTheNameLinesSay) {
  TempFolder folder;
  WriteText(folder / "a.ilf",
            "anything\nDrawingName=7\n1,2,0,3,0,0|4,5,0,3,0,0|\rnot a name\r\r\n"
            "DrawingName=0\r\n9,9,0,1,0,128|");
  FrameList frames;
  ASSERT_TRUE(FrameListRead(folder / "a.ilf", frames));
  const FrameList expected = {{{P(1, 2, 0, 3), P(4, 5, 0, 3)}}, {}, {{P(9, 9, 0, 1)}}};
  EXPECT_EQ(frames, expected);

  for (const char* text : {"", "[DrawingList]\r\n"}) {
    WriteText(folder / "b.ilf", text);
    EXPECT_TRUE(FrameListRead(folder / "b.ilf", frames));
    EXPECT_TRUE(frames.empty());
  }
}

TEST(FrameListFile, MalformedFilesKeepWhatWasReadBeforeTheFault) {
  struct Case {
    const char* text;
    FrameList expected;
    const char* error;
  };
  const Case cases[] = {
      {"[DrawingList]\r\nDrawingName=0\r\n1,1,0,1,0,128|\r\nDrawingName=1\r\n",
       {{{P(1, 1, 0, 1)}}},
       "line 4 'DrawingName=1' has no point line after it"},
      {"[DrawingList]\r\nDrawingName=0\r\n1,1,0,1,0,128|\r\nDrawingName=1\r\n"
       "2,2,0,1,0,128|2,x,0,1,0,0|\r\nDrawingName=2\r\n3,3,0,1,0,128|\r\n",
       {{{P(1, 1, 0, 1)}}, {{P(2, 2, 0, 1)}}},
       "'x' is not a valid integer value"},
      {"[DrawingList]\r\nDrawingName=0\r\n1,1,0,1|\r\n",
       {{}},
       "'1,1,0,1' is not a valid integer value"},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    WriteText(folder / "bad.ilf", c.text);
    FrameList frames;
    EXPECT_EQ(FrameListRead(folder / "bad.ilf", frames).error(), c.error);
    EXPECT_EQ(frames, c.expected) << c.text;
  }
}

TEST(FrameListFile, MissingFileIsReportedAndEmptiesTheList) {
  TempFolder folder;
  FrameList frames = {{{P(1, 1)}}};
  EXPECT_FALSE(FrameListRead(folder / "missing.ilf", frames));
  EXPECT_TRUE(frames.empty());
}

}  // namespace
}  // namespace ravix
