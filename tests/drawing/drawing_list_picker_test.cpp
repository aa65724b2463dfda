#include "drawing/drawing_list_picker.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/drawing_file.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using Names = std::vector<std::string>;

class DrawingListPickerTest : public ::testing::Test {
 protected:
  DrawingListPickerTest() {
    int x = 1;
    for (const char* name : {"E.ddr", "F1.ddr", "F2.ddr", "F3.ddr"})
      DrawingFileWrite(folder / name, {{LaserPoint{x++, 0, 0, 4, 0, 1}}}, 1);
    testing::WriteText(folder / "notes.txt", "not a drawing");
  }

  // Selects file-list entries first..last.
  void SelectFiles(DrawingListPicker& picker, std::size_t first, std::size_t last) {
    picker.drawingFiles.Select(first);
    for (std::size_t i = first + 1; i <= last; ++i)
      picker.drawingFiles.ToggleSelected(i);
  }

  testing::TempFolder folder;
};

TEST_F(DrawingListPickerTest, ListsDrawingsAndPreviewsTheFirst) {
  DrawingListPicker picker(folder.path());
  EXPECT_EQ(picker.drawingFiles.names(), (Names{"E.ddr", "F1.ddr", "F2.ddr", "F3.ddr"}));
  EXPECT_EQ(picker.drawingFiles.currentName(), "E.ddr");
  EXPECT_EQ(PointCount(picker.filePreview()), 1u);
  EXPECT_EQ(picker.placement, PickPlacement::kCover);
  picker.SelectFile(2);
  EXPECT_EQ(picker.filePreview()[0][0].x, 3);
}

TEST_F(DrawingListPickerTest, InsertKeepsFileListOrderInFrontOfTheCurrentEntry) {
  DrawingListPicker picker(folder.path());
  picker.Add();  // E
  SelectFiles(picker, 1, 3);
  picker.SelectAdded(0);
  picker.Insert();
  EXPECT_EQ(picker.added.entries(), (Names{"F1.ddr", "F2.ddr", "F3.ddr", "E.ddr"}));
  EXPECT_EQ(picker.added.current(), 0u);

  DrawingListPicker empty(folder.path());
  SelectFiles(empty, 2, 3);
  empty.Insert();
  EXPECT_EQ(empty.added.entries(), (Names{"F2.ddr", "F3.ddr"}));
  empty.Add();
  EXPECT_EQ(empty.added.current(), 3u);
  EXPECT_EQ(empty.PickedFiles().back(), folder / "F3.ddr");
}

TEST_F(DrawingListPickerTest, UpDownFollowAndStopAtTheEnds) {
  DrawingListPicker picker(folder.path());
  SelectFiles(picker, 0, 2);
  picker.Add();  // E F1 F2, current F2
  picker.Down();
  EXPECT_EQ(picker.added.entries(), (Names{"E.ddr", "F1.ddr", "F2.ddr"}));
  picker.Up();
  picker.Up();
  EXPECT_EQ(picker.added.entries(), (Names{"F2.ddr", "E.ddr", "F1.ddr"}));
  EXPECT_EQ(picker.added.current(), 0u);
  picker.Up();
  EXPECT_EQ(picker.added.entries(), (Names{"F2.ddr", "E.ddr", "F1.ddr"}));
}

TEST_F(DrawingListPickerTest, RemoveMakesTheNextOrNewLastEntryCurrent) {
  DrawingListPicker picker(folder.path());
  SelectFiles(picker, 0, 2);
  picker.Add();
  picker.SelectAdded(0);
  picker.Remove();
  EXPECT_EQ(picker.added.currentName(), "F1.ddr");
  EXPECT_EQ(picker.addedPreview()[0][0].x, 2);
  picker.SelectAdded(1);
  picker.Remove();
  EXPECT_EQ(picker.added.currentName(), "F1.ddr");
  picker.Remove();
  EXPECT_TRUE(picker.added.empty());
  EXPECT_EQ(picker.added.current(), std::nullopt);
  EXPECT_TRUE(picker.addedPreview().empty());
  picker.Remove();
  picker.Up();
  EXPECT_TRUE(picker.added.empty());
}

TEST(NameListModel, RemoveSelectedKeepsThePositionWithinTheList) {
  NameListModel list;
  const Names names = {"a", "b", "c", "d"};
  list.Append(names);
  list.Select(1);
  list.ToggleSelected(2);
  list.RemoveSelected();
  EXPECT_EQ(list.entries(), (Names{"a", "d"}));
  EXPECT_EQ(list.current(), 1u);
  list.Select(1);
  list.RemoveSelected();
  EXPECT_EQ(list.current(), 0u);
  list.InsertEachAtCurrent(Names{"x", "y"});
  EXPECT_EQ(list.entries(), (Names{"y", "x", "a"}));
  list.Clear();
  EXPECT_EQ(list.current(), std::nullopt);
}

TEST(PlacePicked, CoverReplacesFromThePositionAndInsertInserts) {
  const std::vector<int> list = {1, 2, 3};
  std::vector<int> covered = list;
  PlacePicked(covered, 1, {8, 9, 10}, PickPlacement::kCover);
  EXPECT_EQ(covered, (std::vector{1, 8, 9, 10}));
  std::vector<int> inserted = list;
  PlacePicked(inserted, 1, {8, 9}, PickPlacement::kInsert);
  EXPECT_EQ(inserted, (std::vector{1, 8, 9, 2, 3}));
  std::vector<int> past = list;
  PlacePicked(past, 7, {8}, PickPlacement::kInsert);
  EXPECT_EQ(past, (std::vector{1, 2, 3, 8}));
}

}  // namespace
}  // namespace ravix
