#include "drawing/picture_document.hpp"

#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "drawing/editor_fixture.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::EditorFixture;
using testing::P;
using testing::TempFolder;

DrawingObject Row(int count) {
  DrawingObject object;
  for (int i = 0; i < count; ++i)
    object.push_back(P(10 * i, 0, 0, 1, 0));
  return object;
}

class PictureDocumentTest : public EditorFixture {};

TEST_F(PictureDocumentTest, StartsAsANewDrawingThatCannotBeUndone) {
  EXPECT_EQ(host.messages, std::vector<std::string>{"Auto create a new drawing"});
  EXPECT_EQ(document.fileNameLabel(), "newdrawing");
  EXPECT_EQ(document.currentColour(), 4);
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
  EXPECT_TRUE(document.visiblePoints());
  document.Undo();
  document.Redo();
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(PictureDocumentTest, RainbowBandsBySelectionSize) {
  struct Case {
    int points;
    std::vector<int> colours;
  };
  const Case cases[] = {
      {12, {2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7}},
      {14, {2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 2, 2}},
      {3, {3, 4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.points);
    document.New();
    document.AppendObjects({Row(c.points)}, true);
    const int before = document.undoHistory().undoIndex();
    document.Rainbow();
    std::vector<int> colours;
    for (const PointRef& ref : selection())
      colours.push_back(document.Point(ref).colour);
    EXPECT_EQ(colours, c.colours);
    EXPECT_EQ(document.undoHistory().undoIndex(), before + 1);
  }
}

TEST_F(PictureDocumentTest, EraseIsUndoneAndRedone) {
  document.AppendObjects({Row(3), Row(2)}, false);
  document.AppendObjects({}, false);  // a second step, so that Erase can be undone twice over
  document.Select({0, 1});
  document.Select({1, 0});
  document.Select({1, 1});
  document.Erase();
  EXPECT_EQ(host.LastMessage(), "E Erase, delete objects success!");
  ASSERT_EQ(drawing().size(), 2u);
  EXPECT_EQ(drawing()[0], (DrawingObject{P(0, 0, 0, 1, 0), P(20, 0, 0, 1, 0)}));
  EXPECT_TRUE(drawing()[1].empty());  // an emptied object stays
  EXPECT_TRUE(document.selection().empty());
  document.Undo();
  EXPECT_EQ(drawing(), (Drawing{Row(3), Row(2)}));
  document.Redo();
  EXPECT_EQ(drawing()[0].size(), 2u);
  EXPECT_TRUE(drawing()[1].empty());
}

TEST_F(PictureDocumentTest, BufferKeepsItsContentForAnEmptyDrawing) {
  document.LoadFromBuffer();  // empty buffer: only unselects and records a step
  EXPECT_EQ(document.undoHistory().undoIndex(), 0);
  EXPECT_TRUE(drawing().empty());

  document.AppendObjects({Row(2)}, true);
  document.SaveToBuffer();
  EXPECT_EQ(host.LastMessage(), "Save selected objects to buffer success!");
  document.New();
  document.SaveToBuffer();  // no object: the buffer stays
  EXPECT_EQ(document.copyBuffer(), (Drawing{Row(2)}));

  document.LoadFromBuffer();
  document.LoadFromBuffer();
  EXPECT_EQ(host.LastMessage(), "load object from buffer!");
  ASSERT_EQ(drawing().size(), 2u);
  // Only the second copy is selected.
  EXPECT_EQ(selection(), (std::vector<PointRef>{{1, 0}, {1, 1}}));
  EXPECT_EQ(drawing()[0][0].state, kStateNormal);
}

TEST_F(PictureDocumentTest, SaveClampsAndOpenDoublesBack) {
  TempFolder folder;
  document.AppendObjects({{P(-3, 600, 2, 7, 1), P(3, 511, 300, 1, 0)}}, false);
  EXPECT_TRUE(document.drawingChanged());
  EXPECT_FALSE(document.Save());  // the dialog is cancelled
  EXPECT_TRUE(document.drawingChanged());
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].filter, "drawing files(*.ddr)|*.ddr");
  EXPECT_EQ(host.dialogs[0].defaultExtension, "ddr");
  EXPECT_TRUE(host.dialogs[0].overwritePrompt);

  host.files.push_back(folder / "a.ddr");
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(document.fileNameLabel(), "a.ddr");
  EXPECT_FALSE(document.drawingChanged());
  EXPECT_EQ(document.undoHistory().undoIndex(), -1);
  EXPECT_EQ(testing::ReadBytes(folder / "a.ddr"), (Bytes{0, 255, 2, 7, 1, 1, 255, 44, 1, 0x80}));

  document.New();
  host.files.push_back(folder / "a.ddr");
  document.Open();
  EXPECT_EQ(drawing(), (Drawing{{P(0, 510, 2, 7, 1), P(2, 510, 44, 1, 0)}}));
  EXPECT_EQ(document.drawingPath(), folder / "a.ddr");
  EXPECT_TRUE(document.needsRepaint());
  document.RepaintTimerTick();
  EXPECT_FALSE(document.needsRepaint());

  // A second Save writes to the same file without a dialog.
  const std::size_t dialogs = host.dialogs.size();
  document.AppendObjects({{P(100, 100, 3, 1, 1)}}, false);
  EXPECT_TRUE(document.Save());
  EXPECT_EQ(host.dialogs.size(), dialogs);
  EXPECT_EQ(testing::ReadBytes(folder / "a.ddr").size(), 15u);
}

TEST_F(PictureDocumentTest, AFailedSaveKeepsTheDrawingChanged) {
  document.AppendObjects({Row(1)}, false);
  document.AppendObjects({Row(1)}, false);
  EXPECT_FALSE(document.SaveTo("/nonexistent/folder/a.ddr"));
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_TRUE(document.drawingChanged());
  EXPECT_EQ(document.undoHistory().undoIndex(), 1);
  EXPECT_EQ(document.fileNameLabel(), "newdrawing");
}

TEST_F(PictureDocumentTest, QuestionsBeforeDiscardingChanges) {
  document.AppendObjects({Row(1)}, false);
  host.answers = {DialogAnswer::kCancel};
  document.New();
  EXPECT_EQ(host.questions.back(), "File have been changed,Save it?");
  EXPECT_EQ(drawing().size(), 1u);

  host.answers = {DialogAnswer::kYes};  // Yes, but the save dialog is cancelled
  document.New();
  EXPECT_EQ(drawing().size(), 1u);

  host.answers = {DialogAnswer::kNo};
  document.Open();
  EXPECT_EQ(host.questions.back(), "the drawing have been change, do you want to save it?");
  EXPECT_EQ(drawing().size(), 1u);  // the open dialog was cancelled

  document.New();
  EXPECT_TRUE(drawing().empty());
  EXPECT_EQ(host.LastMessage(), "Create a new drawing");
  EXPECT_FALSE(document.drawingChanged());
}

TEST_F(PictureDocumentTest, CloseQueryAnswers) {
  EXPECT_TRUE(document.CloseQuery().closes);
  EXPECT_TRUE(host.questions.empty());

  document.AppendObjects({Row(1)}, false);
  host.answers = {DialogAnswer::kCancel};
  CloseResult result = document.CloseQuery();
  EXPECT_FALSE(result.closes);
  EXPECT_EQ(result.modalResult, DialogAnswer::kCancel);
  EXPECT_EQ(host.questions.back(), "the drawing have been change, do you want to save it??");

  host.answers = {DialogAnswer::kYes};  // the save dialog is cancelled: stay open
  EXPECT_FALSE(document.CloseQuery().closes);

  TempFolder folder;
  host.answers = {DialogAnswer::kYes};
  host.files.push_back(folder / "c.ddr");
  result = document.CloseQuery();
  EXPECT_TRUE(result.closes);
  EXPECT_EQ(result.modalResult, DialogAnswer::kYes);
  EXPECT_TRUE(std::filesystem::exists(folder / "c.ddr"));

  document.AppendObjects({Row(1)}, false);
  host.answers = {DialogAnswer::kNo};
  result = document.CloseQuery();
  EXPECT_TRUE(result.closes);
  EXPECT_EQ(result.modalResult, DialogAnswer::kNo);
  EXPECT_FALSE(document.drawingChanged());
}

TEST_F(PictureDocumentTest, ColourAndBlankingOperations) {
  document.AppendObjects({Row(2)}, false);
  document.SelectColour(9);
  document.ChangeSelectionColour();  // nothing selected: no step
  EXPECT_EQ(document.undoHistory().undoIndex(), 0);
  document.Select({0, 1});
  document.ChangeSelectionColour();
  document.ToggleSelectionBlanking();
  EXPECT_EQ(drawing()[0][1].colour, 9);
  EXPECT_EQ(drawing()[0][1].blanked, 1);
  EXPECT_EQ(drawing()[0][0], P(0, 0, 0, 1, 0));
  EXPECT_EQ(document.undoHistory().undoIndex(), 2);
  EXPECT_EQ(host.LastMessage(),
            "AreaSetBlanking the blanking status of selected objects have been changed...");

  document.SetBackgroundColour();
  EXPECT_EQ(host.LastMessage(), "refresh background success! the current background color index 9");
  document.SelectPaletteCell(1, 2);
  EXPECT_EQ(document.currentColour(), 66);
  document.SetBlankingColour();
  EXPECT_EQ(host.LastMessage(), "refresh blankink success! the current blankink color index 66");
  EXPECT_EQ(document.backgroundColour(), 9);
  EXPECT_EQ(document.blankingColour(), 66);

  document.SelectAll();
  EXPECT_EQ(document.selection().size(), 2u);
  EXPECT_EQ(host.LastMessage(),
            "SelectAll the blanking staus of selected objects have been changed...");
  document.UnselectAll();
  EXPECT_TRUE(document.selection().empty());
  EXPECT_EQ(drawing()[0][1].state, kStateNormal);
  EXPECT_EQ(host.LastMessage(), "UnSelect cancle selected(Esc)");
}

TEST_F(PictureDocumentTest, NumberBoxesKeepTheirLimits) {
  struct Case {
    const char* typed;
    int pointSpace;
    int sides;
  };
  const Case cases[] = {
      {"0", 1, 3}, {"2", 2, 3}, {"1a5", 15, 15}, {"", 15, 15}, {"-7", 7, 7}, {"99999999999", 7, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    document.EnterPointSpace(c.typed);
    document.EnterPolygonSides(c.typed);
    EXPECT_EQ(document.pointSpace(), c.pointSpace);
    EXPECT_EQ(document.polygonSides(), c.sides);
    EXPECT_EQ(document.pointSpaceBox().text(), std::to_string(c.pointSpace));
  }
  EXPECT_EQ(host.errors, (std::vector<std::string>{"'99999999999' is not a valid integer value",
                                                   "'99999999999' is not a valid integer value"}));
}

TEST_F(PictureDocumentTest, EditorSettingsLines) {
  SettingsFile settings;
  const std::string text = "l\r\n300\r\nl\r\n243\r\nl\r\n0\r\nl\r\n16\r\nl\r\n0\r\nl\r\n2\r\n";
  settings.ParseSettings(
      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  const EditorSettings values = ReadEditorSettings(settings);
  EXPECT_EQ(values.backgroundColour, 44);
  EXPECT_EQ(values.blankingColour, 243);
  EXPECT_EQ(values.gridSpacingX, 1);
  EXPECT_EQ(values.gridSpacingY, 16);
  EXPECT_EQ(values.pointSpace, 1);
  EXPECT_EQ(values.polygonSides, 3);

  PictureDocument configured(host, values, "");
  configured.EnterPointSpace("35");
  SettingsFile written;
  WriteEditorSettings(written, configured.CurrentSettings());
  EXPECT_EQ(written.SettingsLine(kSettingPointSpace), "35");
  EXPECT_EQ(written.SettingsLine(kSettingGridSpacingY), "16");
  EXPECT_EQ(written.SettingsLine(kSettingBackgroundColour), "44");
}

TEST_F(PictureDocumentTest, EntryPointsOfOtherWindows) {
  document.BeginPointEdit({{P(100, 50, 2, 3, 1)}}, "/x/seg.ddr", "seg.ddr");
  EXPECT_EQ(drawing(), (Drawing{{P(200, 100, 2, 3, 1)}}));
  EXPECT_EQ(document.fileNameLabel(), "seg.ddr");
  document.MutablePoint({0, 0}).x = 7;
  EXPECT_EQ(document.PointEditResult(), (Drawing{{P(3, 50, 2, 3, 1)}}));

  document.AppendObjects({Row(2)}, true);
  EXPECT_EQ(selection(), (std::vector<PointRef>{{1, 0}, {1, 1}}));
  EXPECT_EQ(document.undoHistory().undoIndex(), 0);
  EXPECT_TRUE(document.needsRepaint());
  EXPECT_TRUE(document.drawingChanged());
}

}  // namespace
}  // namespace ravix
