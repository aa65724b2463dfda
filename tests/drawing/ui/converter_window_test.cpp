#include "drawing/ui/converter_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/ui/frame_reduction_window.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int row = 0; row < list.count(); ++row)
    rows << list.item(row)->text();
  return rows;
}

// A workspace with two drawings and the window over it.
struct ConverterFixture {
  ConverterFixture() {
    for (const char* folder : {kDrawingFolder, kIldaFolder, kFramesFolder})
      std::filesystem::create_directories(workspace.Folder(folder));
    EXPECT_TRUE(DrawingFileWrite(workspace.File(kDrawingFolder, "a.ddr"),
                                 {{P(0, 0, 0, 4, 1), P(255, 255)}}, 1));
    EXPECT_TRUE(DrawingFileWrite(workspace.File(kDrawingFolder, "b.ddr"), {{P(10, 10)}}, 1));
    window = std::make_unique<ConverterWindow>(workspace);
  }

  template <class Widget = QPushButton>
  Widget* Find(const char* name) const {
    auto* widget = window->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void ClickRow(const char* list, int row, Qt::KeyboardModifiers modifiers = {}) const {
    QListWidget* box = Find<QListWidget>(list);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, modifiers,
                      box->visualItemRect(box->item(row)).center());
  }
  void Click(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }

  testing::TempFolder root;
  Workspace workspace{root.path()};
  std::unique_ptr<ConverterWindow> window;
};

TEST(ConverterWindow, ChosenDrawingsBecomeAnIldaFileInTheIldaFolder) {
  ConverterFixture f;
  f.window->show();
  EXPECT_EQ(f.Find<QLabel>("drawingPointCount")->text(), "2");
  QTest::keyClick(f.Find<QListWidget>("drawingList"), Qt::Key_Down);
  EXPECT_EQ(f.Find<QLabel>("drawingPointCount")->text(), "1");
  f.ClickRow("drawingList", 0, Qt::ControlModifier);
  EXPECT_EQ(f.Find<QListWidget>("drawingList")->selectedItems().size(), 2);
  f.Click("addDrawing");
  EXPECT_EQ(Rows(*f.Find<QListWidget>("convertList")), (QStringList{"a.ddr", "b.ddr"}));

  f.Click("convertToIlda");
  TILDAimage image;
  ASSERT_TRUE(IldaFileRead(f.workspace.File(kIldaFolder, "NewImage.ild"), image).fileStatus);
  EXPECT_EQ(image.frames.size(), 2u);
  const QListWidget* ildaList = f.Find<QListWidget>("ildaList");
  EXPECT_EQ(Rows(*ildaList), QStringList{"NewImage.ild"});
  EXPECT_EQ(ildaList->currentRow(), 0);
  EXPECT_EQ(f.Find<QLabel>("message")->text(), "Saved NewImage.ild");
  EXPECT_FALSE(f.Find<QLabel>("ildaSize")->text().isEmpty());

  // With one drawing left: the file exists, and No leaves its two frames.
  f.Click("removeDrawing");
  QString asked;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    asked = box->text();
    box->button(QMessageBox::No)->click();
  });
  f.Click("convertToIlda");
  EXPECT_EQ(asked, kImageExistsQuestion);
  TILDAimage kept;
  ASSERT_TRUE(IldaFileRead(f.workspace.File(kIldaFolder, "NewImage.ild"), kept).fileStatus);
  EXPECT_EQ(kept.frames.size(), 2u);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ConverterWindow, ListButtonsAndTheDeleteKeyShowTheirLists) {
  ConverterFixture f;
  f.window->show();
  f.Click("addDrawing");  // a.ddr, the first file, is selected at start
  f.ClickRow("drawingList", 1);
  f.Click("addDrawing");
  f.Click("upDrawing");
  QListWidget* convert = f.Find<QListWidget>("convertList");
  EXPECT_EQ(Rows(*convert), (QStringList{"b.ddr", "a.ddr"}));
  EXPECT_EQ(convert->currentRow(), 0);
  f.Click("removeDrawing");
  EXPECT_EQ(Rows(*convert), QStringList{"a.ddr"});

  QListWidget* drawings = f.Find<QListWidget>("drawingList");
  f.ClickRow("drawingList", 0);
  QTest::keyClick(drawings, Qt::Key_Delete);
  EXPECT_FALSE(std::filesystem::exists(f.workspace.File(kDrawingFolder, "a.ddr")));
  EXPECT_EQ(Rows(*drawings), QStringList{"b.ddr"});
  EXPECT_EQ(f.Find<QLabel>("drawingPointCount")->text(), "1");
}

TEST(ConverterWindow, FrameListFromIldaGoesThroughTheReductionWindow) {
  ConverterFixture f;
  TILDAimage image;
  image.frames.resize(3);
  for (auto& frame : image.frames)
    frame.points = {P(0, 0), P(1, 0), P(50, 0)};
  ASSERT_TRUE(IldaFileWrite(f.workspace.File(kIldaFolder, "Image1.ild"), image));
  f.window->model().RefreshAll();
  FrameReductionWindow reduction;
  f.window->UseReductionWindow(reduction);
  f.window->show();

  QTimer::singleShot(0, &reduction, [&] {
    EXPECT_EQ(reduction.findChild<QLabel*>("name")->text(), "Image1.ilf");
    EXPECT_EQ(reduction.findChild<QLabel*>("page")->text(), "0 / 0");
    reduction.findChild<QSlider*>("threshold")->setValue(5);
    QTest::mouseClick(reduction.findChild<QPushButton*>("reduceAll"), Qt::LeftButton);
    QTest::mouseClick(reduction.findChild<QPushButton*>("ok"), Qt::LeftButton);
  });
  f.Click("ildaToFrameList");

  FrameList written;
  ASSERT_TRUE(FrameListRead(f.workspace.File(kFramesFolder, "Image1.ilf"), written));
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[0].front().size(), 2u);
  EXPECT_EQ(Rows(*f.Find<QListWidget>("frameLists")), QStringList{"Image1.ilf"});
  const QStringList drawings = {"Image1_Frames_00001.ddr", "Image1_Frames_00002.ddr",
                                "Image1_Frames_00003.ddr"};
  EXPECT_EQ(Rows(*f.Find<QListWidget>("convertList")), drawings);
  EXPECT_TRUE(std::filesystem::exists(f.workspace.File(kDrawingFolder, drawings[2].toStdString())));
}

}  // namespace
}  // namespace ravix
