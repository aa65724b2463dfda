#include "drawing/undo_history.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

Drawing Step(int n) {
  return Drawing{{LaserPoint{n, 0, 0, 0, kStateSelected}}};
}

TEST(UndoHistory, SnapshotsCarryStateZeroAndRedoIsCutByANewStep) {
  UndoHistory history;
  EXPECT_EQ(history.undoIndex(), -1);
  EXPECT_FALSE(history.CanUndo());
  history.Record(Step(1));
  EXPECT_FALSE(history.CanUndo());  // the first step cannot be undone
  history.Record(Step(2));
  history.Record(Step(3));
  EXPECT_EQ(history.Undo(), (Drawing{{LaserPoint{2, 0}}}));
  EXPECT_EQ(history.Undo()[0][0].x, 1);
  EXPECT_EQ(history.Redo()[0][0].x, 2);
  history.Record(Step(4));  // discards the snapshot of step 3
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.size(), 3u);
  EXPECT_EQ(history.undoIndex(), 2);
}

TEST(UndoHistory, After401StepsOneUndoGoesBackExactlyOneStep) {
  UndoHistory history;
  for (int n = 1; n <= 401; ++n)
    history.Record(Step(n));
  EXPECT_EQ(history.size(), UndoHistory::kMaxUndoSnapshots);
  EXPECT_EQ(history.undoIndex(), 399);
  EXPECT_EQ(history.Undo()[0][0].x, 400);
  EXPECT_EQ(history.undoIndex(), 398);
}

}  // namespace
}  // namespace ravix
