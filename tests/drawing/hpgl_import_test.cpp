#include "drawing/hpgl_import.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/editor_fixture.hpp"
#include "drawing/hpgl_import_model.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using Lines = std::vector<std::string>;

LaserPoint P(int x, int y, int blanked = 0, int colour = 4) {
  return LaserPoint{
      x, y, 0, static_cast<std::uint8_t>(colour), kStateNormal, static_cast<std::uint8_t>(blanked)};
}

HpglImport Import(const Lines& lines, int sizeFactor = 20, int fineFactor = 5) {
  return HpglImportLines(lines, HpglImportSettings{sizeFactor, fineFactor, 4});
}

const Lines kSevenLines = {"IN;", "SP1;", "LT", "PU100 100;", "PD200 100;", "PD200 200;", "SP0;"};

TEST(HpglImport, SevenLineFileGivesOneNormalisedObjectWithYTurned) {
  const HpglImport import = Import(kSevenLines);
  EXPECT_EQ(import.objects, (Drawing{{P(0, 510, 1), P(100, 510), P(100, 410)}}));
  EXPECT_EQ(import.skippedLines, 0u);
}

TEST(HpglImport, EveryFurtherLtLineStartsAnObjectAndSp0EndsTheLast) {
  const Lines lines = {"  LT1;  ", "PU0 0;", "PD10 0;",  "LT2;", "PU0 50;",
                       "PD10 50;", " sp0; ", "PU99 99;", "LT"};
  // The second object runs up to the last "LT", past the "SP0;"; after that
  // "LT" there is no "SP0;", so the last object is empty.
  const HpglImport import = Import(lines, 20, 0);
  EXPECT_EQ(import.objects,
            (Drawing{{P(0, 510, 1), P(10, 510)}, {P(0, 460, 1), P(10, 460), P(99, 411)}}));
}

TEST(HpglImport, LastObjectWithoutSp0IsEmptyAndNoPenMovesImportNothing) {
  EXPECT_EQ(Import({"LT", "PU0 0;", "LT", "PU5 5;", "PD9 9;"}).objects, (Drawing{{P(0, 510, 1)}}));
  EXPECT_TRUE(Import({"IN;", "PU0 0;", "SP0;"}).objects.empty());
  EXPECT_TRUE(Import({"IN;", "LT", "SP1;", "SP0;"}).objects.empty());
  EXPECT_TRUE(Import({}).objects.empty());
}

TEST(HpglImport, ScaleDivisorAndSizeFactor) {
  const Lines span = {"LT", "PU0 0;", "PD2000 0;", "PD2000 10;", "SP0;"};
  struct Case {
    int sizeFactor;
    int extent;
  };
  // d = 2000 / 512 = 3; size factor 19 divides by one more.
  for (const Case c : {Case{20, 666}, Case{19, 333}, Case{0, 31}}) {
    const HpglImport import = Import(span, c.sizeFactor, 0);
    ASSERT_EQ(import.objects.size(), 1u);
    EXPECT_EQ(import.objects[0][1].x, c.extent) << c.sizeFactor;
  }
  // Below 512 units the drawing is not enlarged; negative coordinates move to 0.
  EXPECT_EQ(Import({"LT", "PU-300 -20;", "PD-290 -20;", "SP0;"}, 20, 0).objects,
            (Drawing{{P(0, 510, 1), P(10, 510)}}));
}

TEST(HpglImport, ThinningDropsOnlyDiagonalStepsCloserThanTheFineFactor) {
  // From (0,0): (3,3) is dropped, (6,0) stays (same row as the reference), then
  // (9,3) is dropped and (12,0) stays again; (12,4) is vertical and stays.
  const Lines lines = {"LT",      "PU0 0;",   "PD3 -3;",  "PD6 0;", "PD9 -3;",
                       "PD12 0;", "PD12 -4;", "PD16 -7;", "SP0;"};
  const HpglImport import = Import(lines, 20, 5);
  EXPECT_EQ(import.objects,
            (Drawing{{P(0, 503, 1), P(6, 503), P(12, 503), P(12, 507), P(16, 510)}}));
}

TEST(HpglImport, UnreadablePenMovesAreSkippedAndCounted) {
  const Lines lines = {"LT",  "PU0 0;", "PD100,100;", "PU1 1;PD2 2;", "PDx 5;", "PD10 y;",
                       "PD;", "PU;",    "PD100 0",    "PD100 100;",   "CI5;",   "SP0;"};
  const HpglImport import = Import(lines, 20, 0);
  EXPECT_EQ(import.objects, (Drawing{{P(0, 510, 1), P(100, 510), P(100, 410)}}));
  EXPECT_EQ(import.skippedLines, 4u);
  EXPECT_EQ(HpglSkippedLinesMessage(4), "4 PU/PD lines could not be read and were skipped");
  EXPECT_EQ(HpglSkippedLinesMessage(1), "1 PU/PD line could not be read and was skipped");
  EXPECT_EQ(HpglSkippedLinesMessage(0), "");
}

TEST(HpglImport, ExtremeCoordinatesDoNotOverflow) {
  const HpglImport import =
      Import({"LT", "PU-2147483648 -2147483648;", "PD2147483647 2147483647;", "SP0;"}, 20, 0);
  ASSERT_EQ(import.objects.size(), 1u);
  EXPECT_EQ(import.objects[0][1].x, 512);
  EXPECT_EQ(import.objects[0][1].y, 510 - 512);
}

class HpglImportModelTest : public testing::EditorFixture {
 protected:
  testing::TempFolder folder;
  HpglImportModel model;
};

TEST_F(HpglImportModelTest, MissingFileOnlyClosesAndRepaints) {
  model.fileName = folder / "missing.plt";
  EXPECT_FALSE(model.Preview(4));
  const int redraws = host.redraws;
  model.Ok(document);
  EXPECT_TRUE(drawing().empty());
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
  EXPECT_EQ(host.redraws, redraws + 1);
}

TEST_F(HpglImportModelTest, OkAddsTheStagedObjectsSelectedInTheEditorsColour) {
  testing::WriteText(folder / "a.plt",
                     "IN;\r\nSP1;\r\nLT\r\nPU100 100;\r\nPD200 100;\r\n"
                     "PD200 200;\r\nPD200,0;\r\nSP0;\r\n");
  model.fileName = folder / "a.plt";
  ASSERT_TRUE(model.Preview(7));
  EXPECT_EQ(model.stagedPointCount(), 3u);
  EXPECT_EQ(model.skippedLines(), 1u);
  EXPECT_EQ(model.skippedLinesMessage(), HpglSkippedLinesMessage(1));
  EXPECT_EQ(model.staged()[0][0].colour, 7);

  Line({{5, 5}, {50, 5}});
  document.SelectAll();
  document.SelectColour(9);
  const auto undoBefore = document.undoHistory().undoIndex();
  model.Ok(document);
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[0][0].state, kStateNormal);
  const DrawingObject imported = {LaserPoint{0, 510, 0, 9, kStateSelected, 1},
                                  LaserPoint{100, 510, 0, 9, kStateSelected, 0},
                                  LaserPoint{100, 410, 0, 9, kStateSelected, 0}};
  EXPECT_EQ(drawing()[1], imported);
  EXPECT_EQ(selection().size(), 3u);
  EXPECT_EQ(document.undoHistory().undoIndex(), undoBefore + 1);
  EXPECT_TRUE(model.staged().empty());
}

}  // namespace
}  // namespace ravix
