#include "core/drawing_file.hpp"

#include <gtest/gtest.h>

#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DrawingFile, StatusByteMarksObjectEndsAndBlanking) {
  const Bytes data = {
      10, 20, 2, 3, 0x02,  // blanked point inside an object
      30, 40, 0, 4, 0x81,  // blanked last point
      50, 60, 0, 5, 0x80,  // lit last point: an object of one point
      70, 80, 0, 6, 0x80,  // another one
      90, 99, 0, 7, 0x00,  // no end bit: the last object is still complete
      1,  2,               // trailing bytes are ignored
  };
  Drawing drawing = {{P(1, 1)}};  // replaced, not appended to
  DrawingFileParse(data, drawing, 1);
  const Drawing expected = {
      {P(10, 20, 2, 3, 1), P(30, 40, 0, 4, 1)},
      {P(50, 60, 0, 5)},
      {P(70, 80, 0, 6)},
      {P(90, 99, 0, 7)},
  };
  EXPECT_EQ(drawing, expected);
}

TEST(DrawingFile, ShortFilesYieldWholeRecordsOnly) {
  Drawing drawing;
  DrawingFileParse(Bytes{}, drawing, 1);
  EXPECT_TRUE(drawing.empty());
  DrawingFileParse(Bytes{1, 2, 3, 4, 0x80, 9, 9}, drawing, 1);
  ASSERT_EQ(drawing.size(), 1u);
  EXPECT_EQ(drawing[0].size(), 1u);
}

TEST(DrawingFile, ScaleDividesTowardZeroAndClamps) {
  const Drawing drawing = {{P(511, 600), P(-3, -1), P(3, 255, 300)}, {}};
  const Bytes bytes = DrawingFileEncode(drawing, 2);
  const Bytes expected = {255, 255, 0, 4, 0x00, 0, 0, 0, 4, 0x00, 1, 127, 44, 4, 0x80};
  EXPECT_EQ(bytes, expected);  // the empty object vanishes

  Drawing back;
  DrawingFileParse(bytes, back, 2);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0][2].x, 2);
  EXPECT_EQ(back[0][2].y, 254);
  EXPECT_EQ(back[0][2].z, 44);
}

TEST(DrawingFile, WriteThenReadRoundTripsAtScaleOne) {
  TempFolder folder;
  const Drawing drawing = {{P(0, 0, 0, 1, 1), P(255, 128, 3, 200)}, {P(7, 8)}};
  ASSERT_TRUE(DrawingFileWrite(folder / "a.ddr", drawing, 1));
  EXPECT_EQ(ReadBytes(folder / "a.ddr").size(), 15u);
  Drawing back;
  ASSERT_TRUE(DrawingFileRead(folder / "a.ddr", back, 1));
  EXPECT_EQ(back, drawing);

  ASSERT_TRUE(DrawingFileWrite(folder / "empty.ddr", Drawing{}, 1));
  EXPECT_EQ(ReadBytes(folder / "empty.ddr").size(), 0u);
}

TEST(DrawingFile, MissingFileReadsAsEmptyAndReportsIt) {
  TempFolder folder;
  Drawing drawing = {{P(1, 1)}};
  EXPECT_FALSE(DrawingFileRead(folder / "missing.ddr", drawing, 1));
  EXPECT_TRUE(drawing.empty());
}

TEST(DrawingFile, FailedWriteKeepsTheOldFile) {
  TempFolder folder;
  const auto path = folder / "keep.ddr";
  WriteBytes(path, Bytes{1, 2, 3, 4, 0x80});
  EXPECT_FALSE(DrawingFileWrite(folder / "no-such-folder" / "x.ddr", Drawing{{P(1, 1)}}, 1));
  EXPECT_EQ(ReadBytes(path), (Bytes{1, 2, 3, 4, 0x80}));
}

}  // namespace
}  // namespace ravix
