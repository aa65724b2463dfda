#include "drawing/point_reduction.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/recording_canvas.hpp"
#include "drawing/frame_reduction_model.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

LaserPoint P(int x, int y, int blanked = 0, int state = 0) {
  return LaserPoint{
      x, y, 2, 7, static_cast<std::uint8_t>(state), static_cast<std::uint8_t>(blanked)};
}

DrawingObject Row(std::initializer_list<int> xs) {
  DrawingObject object;
  for (int x : xs)
    object.push_back(P(x, 0));
  return object;
}

TEST(PointReduction, ComparesEachPointWithItsSourcePredecessor) {
  struct Case {
    int threshold;
    DrawingObject source;
    DrawingObject kept;
  };
  const Case cases[] = {
      {10, Row({0, 5, 10, 30}), Row({0, 30})},
      {3, Row({0, 2, 4, 6}), Row({0})},
      {0, Row({0, 0, 1, 1, 1, 2}), Row({0, 1, 2})},
      {5, Row({0, 5, 11}), Row({0, 11})},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReduceFramePoints({c.source}, c.threshold), Drawing{c.kept}) << c.threshold;
}

TEST(PointReduction, KeepsFirstPointsBlankingAndObjectsAndClearsState) {
  const Drawing frame = {{P(0, 0, 1, 1), P(255, 255, 0, 1), P(254, 255)}, {P(9, 9, 1)}, {}};
  const Drawing reduced = ReduceFramePoints(frame, 300);
  // Only a jump of more than 300 survives 300: across the diagonal.
  EXPECT_EQ(reduced, (Drawing{{P(0, 0, 1), P(255, 255)}, {P(9, 9, 1)}, {}}));
  EXPECT_EQ(ReduceFramePoints({{P(0, 0), P(300, 0), P(601, 0)}}, 300),
            (Drawing{{P(0, 0), P(601, 0)}}));
  EXPECT_EQ(ReduceFramePoints({{P(-2147483647, 0), P(2147483647, 0)}}, 300).front().size(), 2u);
}

FrameList Frames(std::size_t count) {
  FrameList frames(count);
  for (std::size_t i = 0; i < count; ++i)
    frames[i] = {Row({0, 1, 2, static_cast<int>(10 + i)})};
  return frames;
}

TEST(FrameReductionModel, PagesOfTwentyWithEmptySlotsAfterTheLastFrame) {
  FrameReductionModel model;
  model.Prepare(Frames(45), "Image1.ilf");
  EXPECT_EQ(model.lastPage(), 2u);
  model.NextPage();
  model.NextPage();
  model.NextPage();
  EXPECT_EQ(model.page(), 2u);
  EXPECT_EQ(model.SlotFrame(4), 44u);
  EXPECT_EQ(model.SlotFrame(5), std::nullopt);
  model.SelectSlot(10);
  model.ReduceSelectedFrame();
  EXPECT_EQ(model.resultFrames(), model.sourceFrames());

  // The page is clamped when a shorter list comes; slot and threshold stay.
  model.SetThreshold(500);
  model.Prepare(Frames(21), "b.ilf");
  EXPECT_EQ(model.page(), 1u);
  EXPECT_EQ(model.selectedSlot(), 10u);
  EXPECT_EQ(model.threshold(), 300);
  model.PreviousPage();
  model.PreviousPage();
  EXPECT_EQ(model.page(), 0u);
}

TEST(FrameReductionModel, ReductionsStartFromTheSourceAndCancelWritesNothing) {
  testing::TempFolder folder;
  FrameList source = Frames(3);
  source[1][0][0].state = kStateSelected;
  FrameReductionModel model;
  model.Prepare(source, "show.ilf");
  EXPECT_EQ(model.resultFrames()[1][0][0].state, kStateNormal);

  model.SetThreshold(1);
  model.SelectSlot(1);
  model.ReduceSelectedFrame();
  EXPECT_EQ(model.resultFrames()[1], (Drawing{Row({0, 11})}));
  EXPECT_EQ(model.resultFrames()[0], source[0]);

  model.SetThreshold(20);
  model.ReduceAllFrames();
  EXPECT_EQ(model.resultFrames()[2], (Drawing{Row({0})}));
  model.SetThreshold(0);
  model.ReduceAllFrames();
  EXPECT_EQ(model.resultFrames()[2], (Drawing{Row({0, 1, 2, 12})}));
  // Cancel: the model is simply dropped, nothing is on disk.
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

  ASSERT_TRUE(model.WriteResult(folder.path()));
  FrameList written;
  ASSERT_TRUE(FrameListRead(folder / "show.ilf", written));
  EXPECT_EQ(written, model.resultFrames());
}

TEST(FrameReductionModel, ThumbnailsAtHalfScaleWithIndexCountAndSelection) {
  using Op = RecordingCanvas::Op;
  using Call = RecordingCanvas::Call;
  FrameReductionModel model;
  model.Prepare({{{P(10, 20, 1), P(40, 20)}}, {{P(0, 0)}}}, "a.ilf");
  model.SelectSlot(1);
  const auto strokes = [&](std::size_t slot) {
    RecordingCanvas canvas;
    model.DrawThumbnail(canvas, slot);
    return canvas.Strokes();
  };
  const int black = static_cast<int>(PaletteColour(kColourBlack));
  EXPECT_EQ(strokes(0), (std::vector<Call>{
                            {Op::kFill, 0, 0, 128, 128, black},
                            {Op::kMove, 5, 10},
                            {Op::kEllipse, 4, 9, 6, 11},
                            {Op::kLine, 20, 10},
                            {Op::kText, 2, 2, 7, 0, 0, "0"},
                            {Op::kText, 2, 114, 7, 0, 0, "2"},
                        }));
  const std::vector<Call> selected = strokes(1);
  ASSERT_EQ(selected.size(), 6u);
  EXPECT_EQ(selected[4], (Call{Op::kRectangle, 0, 0, 128, 128}));
  EXPECT_EQ(selected[5], (Call{Op::kRectangle, 1, 1, 127, 127}));
  EXPECT_EQ(strokes(2), (std::vector<Call>{{Op::kFill, 0, 0, 128, 128, 0x808080}}));
}

}  // namespace
}  // namespace ravix
