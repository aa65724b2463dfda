#include "drawing/converter_model.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "core/recording_canvas.hpp"
#include "drawing/file_size_text.hpp"
#include "drawing/frame_list_file.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using Names = std::vector<std::string>;

LaserPoint P(int x, int y, int blanked = 0) {
  return LaserPoint{x, y, 0, 5, 0, static_cast<std::uint8_t>(blanked)};
}

// A workspace with the three converter folders and a question log.
class ConverterModelTest : public ::testing::Test {
 protected:
  ConverterModelTest() {
    for (const char* name : {kDrawingFolder, kIldaFolder, kFramesFolder})
      std::filesystem::create_directories(workspace.Folder(name));
  }

  std::filesystem::path DrawingPath(const std::string& name) const {
    return workspace.File(kDrawingFolder, name);
  }
  std::filesystem::path IldaPath(const std::string& name) const {
    return workspace.File(kIldaFolder, name);
  }
  std::filesystem::path FramesPath(const std::string& name) const {
    return workspace.File(kFramesFolder, name);
  }
  void WriteIlda(const std::string& name, std::size_t frames, int tag) const {
    TILDAimage image;
    image.frames.resize(frames);
    for (auto& frame : image.frames)
      frame.points = {P(tag, 0)};
    ASSERT_TRUE(IldaFileWrite(IldaPath(name), image));
  }
  YesNoQuestion Answer(bool yes) {
    return [this, yes](std::string_view question) {
      questions.emplace_back(question);
      return yes;
    };
  }

  testing::TempFolder root;
  Workspace workspace{root.path()};
  Names questions;
};

TEST_F(ConverterModelTest, ConvertListToIldaNamesAsksAndSkipsMissingDrawings) {
  ASSERT_TRUE(DrawingFileWrite(DrawingPath("a.ddr"), {{P(0, 0, 1), P(255, 255)}}, 1));
  ConverterModel model(workspace);
  ASSERT_TRUE(model.ConvertListToIlda(Answer(true)));
  EXPECT_TRUE(std::filesystem::is_empty(workspace.Folder(kIldaFolder)));  // empty convert list

  model.drawingFiles.Select(0);
  model.AddSelectedDrawings();
  const Names missing = {"gone.ddr"};
  model.convertList.Append(missing);
  ASSERT_TRUE(model.ConvertListToIlda(Answer(true)));
  TILDAimage image;
  IldaFileRead(IldaPath("NewImage.ild"), image);
  ASSERT_EQ(image.frames.size(), 1u);
  // Drawing y 0 is ILDA y 128, written clamped to 127.
  EXPECT_EQ(image.frames[0].points, (std::vector{P(-128, 127, 1), P(127, -127)}));
  EXPECT_EQ(model.ildaFiles.currentName(), "NewImage.ild");
  EXPECT_EQ(model.message, "Saved NewImage.ild");
  EXPECT_TRUE(questions.empty());

  model.newIldaFileName = " a.ILD ";
  ASSERT_TRUE(model.ConvertListToIlda(Answer(true)));
  EXPECT_TRUE(std::filesystem::exists(IldaPath("a.ILD")));

  testing::WriteText(IldaPath("a.ILD"), "old");
  ASSERT_TRUE(model.ConvertListToIlda(Answer(false)));
  EXPECT_EQ(testing::ReadText(IldaPath("a.ILD")), "old");
  EXPECT_EQ(questions, Names{kImageExistsQuestion});
}

TEST_F(ConverterModelTest, ConvertListToFrameListUsesNewframeForAnEmptyName) {
  const Drawing drawing = {{P(1, 2, 1)}, {P(3, 4)}};
  ASSERT_TRUE(DrawingFileWrite(DrawingPath("a.ddr"), drawing, 1));
  ConverterModel model(workspace);
  model.AddSelectedDrawings();
  model.AddSelectedDrawings();
  model.frameListName = "  ";
  ASSERT_TRUE(model.ConvertListToFrameList());
  EXPECT_EQ(model.frameListName, kEmptyFrameListName);
  FrameList frames;
  ASSERT_TRUE(FrameListRead(FramesPath("newframe.ilf"), frames));
  EXPECT_EQ(frames, (FrameList{drawing, drawing}));
  EXPECT_EQ(model.frameLists.names(), Names{"newframe.ilf"});
}

TEST_F(ConverterModelTest, IldaToFrameListWritesTheWindowsResultAndNumberedDrawings) {
  TILDAimage image;
  image.frames.resize(2);
  image.frames[0].points = {P(-128, 127, 1), P(-127, 127), P(127, -128)};
  image.frames[1].points = {P(0, 0)};
  ASSERT_TRUE(IldaFileWrite(IldaPath("Image1.ild"), image));
  ConverterModel model(workspace);
  const Names earlier = {"earlier.ddr"};
  model.convertList.Append(earlier);
  FrameReductionModel window;

  // Cancel after a reduction writes nothing at all.
  ASSERT_TRUE(model.IldaToFrameList(Answer(true), window, [](FrameReductionModel& w) {
    w.SetThreshold(5);
    w.ReduceAllFrames();
    return false;
  }));
  EXPECT_TRUE(std::filesystem::is_empty(workspace.Folder(kFramesFolder)));
  EXPECT_TRUE(std::filesystem::is_empty(workspace.Folder(kDrawingFolder)));
  EXPECT_EQ(model.convertList.entries(), earlier);

  ASSERT_TRUE(model.IldaToFrameList(Answer(true), window, [](FrameReductionModel& w) {
    EXPECT_EQ(w.frameListName(), "Image1.ilf");
    w.ReduceAllFrames();
    return true;
  }));
  const FrameList expected = {{{P(0, 0, 1), P(255, 255)}}, {{P(128, 127)}}};
  FrameList written;
  ASSERT_TRUE(FrameListRead(FramesPath("Image1.ilf"), written));
  EXPECT_EQ(written, expected);
  const Names drawings = {"Image1_Frames_00001.ddr", "Image1_Frames_00002.ddr"};
  EXPECT_EQ(model.convertList.entries(), drawings);
  EXPECT_EQ(model.drawingFiles.names(), drawings);
  EXPECT_EQ(model.message, "Saved Image1.ilf, 2 drawing files");
  Drawing second;
  ASSERT_TRUE(DrawingFileRead(DrawingPath(drawings[1]), second, 1));
  EXPECT_EQ(second, expected[1]);

  // The frame list exists now: No stops before the window opens.
  bool shown = false;
  ASSERT_TRUE(model.IldaToFrameList(Answer(false), window, [&](FrameReductionModel&) {
    shown = true;
    return true;
  }));
  EXPECT_FALSE(shown);
  EXPECT_EQ(questions, Names{kFrameListExistsQuestion});
}

TEST_F(ConverterModelTest, IldaToFrameListWithoutDrawingFilesKeepsTheConvertList) {
  WriteIlda("x.ild", 3, 1);
  ConverterModel model(workspace);
  FrameReductionModel window;
  window.createDrawingFiles = false;
  ASSERT_TRUE(
      model.IldaToFrameList(Answer(true), window, [](FrameReductionModel&) { return true; }));
  EXPECT_TRUE(std::filesystem::exists(FramesPath("x.ilf")));
  EXPECT_TRUE(std::filesystem::is_empty(workspace.Folder(kDrawingFolder)));
  EXPECT_EQ(model.message, "Saved x.ilf");
}

TEST_F(ConverterModelTest, ExplodeAppendsNumberedDrawingsToTheConvertList) {
  const FrameList frames = {{{P(1, 1)}}, {{P(2, 2)}}, {}};
  ASSERT_TRUE(FrameListWrite(FramesPath("show.ilf"), frames));
  ConverterModel model(workspace);
  ASSERT_TRUE(model.ExplodeSelectedFrameList());
  const Names names = {"show_Frames_00001.ddr", "show_Frames_00002.ddr", "show_Frames_00003.ddr"};
  EXPECT_EQ(model.convertList.entries(), names);
  EXPECT_EQ(model.drawingFiles.names(), names);
}

TEST_F(ConverterModelTest, MergeInListOrderAsksBeforeReplacing) {
  WriteIlda("ten.ild", 10, 1);
  WriteIlda("five.ild", 5, 2);
  ConverterModel model(workspace);
  model.mergedIldaFileName = "";
  model.ildaFiles.Select(1);  // ten.ild
  model.AddSelectedIldaFiles();
  ASSERT_TRUE(model.MergeIldaList(Answer(true)));
  EXPECT_EQ(model.ildaFiles.names().size(), 2u);

  model.mergedIldaFileName = "BinerImage1";
  model.ildaFiles.Select(0);  // five.ild
  model.AddSelectedIldaFiles();
  ASSERT_TRUE(model.MergeIldaList(Answer(false)));
  TILDAimage merged;
  IldaFileRead(IldaPath("BinerImage1.ild"), merged);
  ASSERT_EQ(merged.frames.size(), 15u);
  EXPECT_EQ(merged.frames[9].points[0].x, 1);
  EXPECT_EQ(merged.frames[10].points[0].x, 2);
  EXPECT_EQ(model.ildaFiles.currentName(), "BinerImage1.ild");

  ASSERT_TRUE(model.MergeIldaList(Answer(false)));
  EXPECT_EQ(questions, Names{kMergedIldaExistsQuestion});
}

TEST_F(ConverterModelTest, ListHandlingInsertReversesAndRemoveMovesOn) {
  for (const char* name : {"a.ddr", "b.ddr", "c.ddr"})
    ASSERT_TRUE(DrawingFileWrite(DrawingPath(name), {{P(name[0], 0)}}, 1));
  ConverterModel model(workspace);
  model.drawingFiles.Select(2);
  model.AddSelectedDrawings();  // c
  model.drawingFiles.Select(0);
  model.drawingFiles.ToggleSelected(1);
  model.InsertSelectedDrawings();  // a then b at position 0
  EXPECT_EQ(model.convertList.entries(), (Names{"b.ddr", "a.ddr", "c.ddr"}));
  EXPECT_EQ(model.drawingPreview()[0][0].x, 'b');

  model.SelectConvertEntry(2);
  model.RemoveConvertEntry();
  EXPECT_EQ(model.convertList.currentName(), "a.ddr");
  EXPECT_EQ(model.drawingPreview()[0][0].x, 'a');
  model.SelectConvertEntry(0);
  model.RemoveConvertEntry();
  EXPECT_EQ(model.convertList.currentName(), "a.ddr");
  model.RemoveConvertEntry();
  EXPECT_TRUE(model.convertList.empty());
  EXPECT_TRUE(model.drawingPreview().empty());
}

TEST_F(ConverterModelTest, DeletingFilesAndFindingNames) {
  for (const char* name : {"a.ddr", "b.ddr", "c.ddr"})
    ASSERT_TRUE(DrawingFileWrite(DrawingPath(name), {{P(1, 1)}}, 1));
  WriteIlda("Image1.ild", 1, 0);
  ConverterModel model(workspace);

  model.drawingFiles.Select(1);
  ASSERT_TRUE(model.DeleteCurrentDrawingFile());
  EXPECT_EQ(model.drawingFiles.names(), (Names{"a.ddr", "c.ddr"}));
  EXPECT_EQ(model.drawingFiles.currentName(), "c.ddr");
  ASSERT_TRUE(model.DeleteCurrentDrawingFile());
  EXPECT_EQ(model.drawingFiles.currentName(), "a.ddr");

  model.FindDrawing("  zzz ");
  EXPECT_EQ(model.message, kDrawingNotFound);
  model.message.clear();
  model.FindDrawing(" a ");
  EXPECT_EQ(model.message, "");
  EXPECT_EQ(model.drawingPreview(), (Drawing{{P(1, 1)}}));

  model.FindIlda("Image2");
  EXPECT_EQ(model.message, kIldaNotFound);
  model.SetIldaPreview(true);
  model.FindIlda("Image1.ild");
  EXPECT_EQ(model.ildaPreviewImage().frames.size(), 1u);
  model.AdvanceIldaPreview();
  EXPECT_EQ(model.ildaPreviewFrame(), 0u);
  EXPECT_EQ(model.ildaPreviewObject(), (DrawingObject{P(128, 128)}));
  EXPECT_EQ(model.selectedIldaSizeText(),
            std::to_string(std::filesystem::file_size(IldaPath("Image1.ild"))) + " Byte");
}

TEST_F(ConverterModelTest, IldaPreviewShowsTheFrameNumberedFromOneWhileOn) {
  using Op = RecordingCanvas::Op;
  using Call = RecordingCanvas::Call;
  WriteIlda("Image1.ild", 2, -128);
  ConverterModel model(workspace);
  const auto strokes = [&] {
    RecordingCanvas canvas;
    model.DrawIldaPreview(canvas);
    return canvas.Strokes();
  };
  const Call black = {Op::kFill, 0, 0, 128, 128, static_cast<int>(PaletteColour(kColourBlack))};
  EXPECT_EQ(strokes(), std::vector<Call>{black});
  model.SetIldaPreview(true);
  model.AdvanceIldaPreview();
  EXPECT_EQ(strokes(),
            (std::vector<Call>{black, {Op::kMove, 0, 64}, {Op::kText, 0, 0, 5, 0, 0, "2"}}));
}

TEST(FileSizeText, BytesKilobytesAndMegabytesCutToTwoDecimals) {
  struct Case {
    std::uintmax_t bytes;
    const char* text;
  };
  const Case cases[] = {
      {0, "0 Byte"},     {1023, "1023 Byte"}, {1024, "1 KB"},
      {1536, "1.5 KB"},  {1535, "1.49 KB"},   {1049599, "1024.99 KB"},
      {1049600, "1 MB"}, {1572864, "1.5 MB"}, {1048576 * 3 - 1, "2.99 MB"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FileSizeText(c.bytes), c.text) << c.bytes;
  EXPECT_EQ(FileSizeHint(1536), "1.5 KB(1536 Byte)");
}

TEST(WithExtension, AppendsUnlessPresentInAnyCase) {
  EXPECT_EQ(WithExtension("NewImage", ".ild"), "NewImage.ild");
  EXPECT_EQ(WithExtension("a.ILD", ".ild"), "a.ILD");
  EXPECT_EQ(WithExtension("a.ild.bak", ".ild"), "a.ild.bak.ild");
  EXPECT_EQ(WithExtension("", ".ilf"), ".ilf");
}

}  // namespace
}  // namespace ravix
