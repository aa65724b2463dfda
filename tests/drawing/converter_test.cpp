#include "drawing/converter.hpp"

#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TempFolder;

TEST(Converter, IldaFramesBecomeOneObjectInDrawingSpace) {
  TILDAimage image;
  image.frames.resize(2);
  image.frames[0].points = {P(-128, 127, 5, 7, 1), P(127, -128, 0, 9)};
  const FrameList frames = IldaImageToFrameList(image);
  const FrameList expected = {{{P(0, 0, 5, 7, 1), P(255, 255, 0, 9)}}, {{}}};
  EXPECT_EQ(frames, expected);
}

TEST(Converter, DrawingListKeepsPositionsOfMissingFiles) {
  TempFolder folder;
  const Drawing first = {{P(1, 2)}, {P(3, 4, 2, 5, 1)}};
  ASSERT_TRUE(DrawingFileWrite(folder / "a.ddr", first, 1));
  const std::filesystem::path files[] = {folder / "a.ddr", folder / "missing.ddr",
                                         folder / "a.ddr"};
  EXPECT_EQ(DrawingListToFrameList(files), (FrameList{first, {}, first}));
}

TEST(Converter, MergeAppendsFramesInListOrderWithoutPalettes) {
  TempFolder folder;
  auto makeImage = [](std::size_t frames, int tag) {
    TILDAimage image;
    image.frames.resize(frames);
    for (auto& frame : image.frames)
      frame.points = {P(tag, 0)};
    image.palettes.resize(1);
    return image;
  };
  ASSERT_TRUE(IldaFileWrite(folder / "ten.ild", makeImage(10, 1)));
  ASSERT_TRUE(IldaFileWrite(folder / "five.ild", makeImage(5, 2)));
  const std::filesystem::path files[] = {folder / "five.ild", folder / "missing.ild",
                                         folder / "ten.ild"};
  const TILDAimage merged = MergeIldaFiles(files);
  ASSERT_EQ(merged.frames.size(), 15u);
  EXPECT_EQ(merged.frames[4].points[0].x, 2);
  EXPECT_EQ(merged.frames[5].points[0].x, 1);
  EXPECT_TRUE(merged.palettes.empty());
}

TEST(Converter, NumberedNamesUseFiveDigitsOrMore) {
  EXPECT_EQ(NumberedDrawingFileName("show_Frames_", 1), "show_Frames_00001.ddr");
  EXPECT_EQ(NumberedDrawingFileName("show_Frames_", 99999), "show_Frames_99999.ddr");
  EXPECT_EQ(NumberedDrawingFileName("show_Frames_", 123456), "show_Frames_123456.ddr");
}

TEST(Converter, ExplodeWritesOneDrawingPerFrameBesideTheBase) {
  TempFolder folder;
  const FrameList frames = {{{P(1, 2)}}, {}, {{P(3, 4, 2, 5, 1)}, {P(6, 7)}}};
  testing::WriteText(folder / "show_Frames_00002.ddr", "old");
  ASSERT_TRUE(ExplodeFrameList(frames, folder / "show"));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Drawing drawing;
    ASSERT_TRUE(
        DrawingFileRead(folder / NumberedDrawingFileName("show_Frames_", i + 1), drawing, 1));
    EXPECT_EQ(drawing, frames[i]);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "show_Frames_00004.ddr"));
}

}  // namespace
}  // namespace ravix
