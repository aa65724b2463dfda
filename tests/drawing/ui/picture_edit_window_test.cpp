#include "drawing/ui/picture_edit_window.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "core/drawing_file.hpp"
#include "core/palette.hpp"
#include "core/ui/qpainter_canvas.hpp"
#include "drawing/ui/frame_list_panel_widget.hpp"
#include "drawing/ui/picture_canvas_widget.hpp"
#include "drawing/ui/rotation_dialog.hpp"
#include "output/ui/thumbnail_slot.hpp"
#include "support/points.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TestSession;

// An editor window on a started session whose dialogs answer from the test.
struct PictureEditFixture {
  PictureEditFixture() {
    t.session->Start();
    window = std::make_unique<PictureEditWindow>(*t.session);
    window->SetDialogs({[this](const std::string& question) {
                          questions.push_back(question);
                          return answer;
                        },
                        [this](const FileDialogRequest&) { return chosenFile; },
                        [](const std::string&) {}});
    window->show();
  }

  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window->canvas(), button, {}, at);
  }
  void Press(const char* caption) { PressIn(window.get(), caption); }
  void PressIn(QWidget* parent, const char* caption) {
    for (QPushButton* button : parent->findChildren<QPushButton*>())
      if (button->text() == caption)
        return button->click();
    ADD_FAILURE() << "no button " << caption;
  }
  const Drawing& drawing() { return window->document().drawing(); }

  TestSession t{{}};
  std::unique_ptr<PictureEditWindow> window;
  std::vector<std::string> questions;
  DialogAnswer answer = DialogAnswer::kCancel;
  std::optional<std::filesystem::path> chosenFile;
};

TEST(PictureEditWindow, CanvasClicksAndKeysGoToTheEditor) {
  PictureEditFixture f;
  f.Press("2P Line");
  f.Click({100, 100});
  f.Click({200, 100});
  f.Click({0, 0}, Qt::RightButton);
  QTest::keyClick(f.window.get(), Qt::Key_P);
  EXPECT_EQ(f.window->messageLabel()->text(), "P _point ...");
  f.Click({50, 60});

  ASSERT_EQ(f.drawing().size(), 2u);
  ASSERT_EQ(f.drawing()[0].size(), 2u);
  EXPECT_EQ(f.drawing()[0][0].x, 100);
  EXPECT_EQ(f.drawing()[0][1].x, 200);
  EXPECT_EQ(f.drawing()[0][1].y, 100);
  ASSERT_EQ(f.drawing()[1].size(), 1u);
  EXPECT_EQ(f.drawing()[1][0].x, 50);
  EXPECT_EQ(f.drawing()[1][0].z, 3);
  EXPECT_EQ(f.window->pointCountLabel()->text(), "3");

  QTest::keyClick(f.window.get(), Qt::Key_U);
  EXPECT_EQ(f.drawing().size(), 1u);

  std::vector<MainButton> requested;
  QObject::connect(f.window.get(), &PictureEditWindow::mainButtonRequested,
                   [&](MainButton button) { requested.push_back(button); });
  f.Press("Text");
  EXPECT_EQ(f.window->messageLabel()->text(), "T Text Import text...");
  QTest::keyClick(f.window.get(), Qt::Key_T);
  EXPECT_EQ(requested, (std::vector{MainButton::kTextPlay, MainButton::kTextPlay}));
}

TEST(PictureEditWindow, ClosingTheProgramAsksAboutAChangedDrawingAndKeepsTheSettings) {
  PictureEditFixture f;
  EXPECT_TRUE(f.t.session->MayClose());
  EXPECT_TRUE(f.questions.empty());

  QTest::keyClick(f.window.get(), Qt::Key_P);
  f.Click({50, 60});
  f.answer = DialogAnswer::kCancel;
  EXPECT_FALSE(f.t.session->MayClose());
  ASSERT_EQ(f.questions.size(), 1u);
  EXPECT_EQ(f.questions[0], "the drawing have been change, do you want to save it??");

  f.answer = DialogAnswer::kNo;
  EXPECT_TRUE(f.t.session->MayClose());
  EXPECT_FALSE(f.window->document().drawingChanged());

  // Point Space goes back into "Ravix.ini".
  QSpinBox* pointSpace = nullptr;
  for (QSpinBox* box : f.window->findChildren<QSpinBox*>())
    if (box->value() == EditorSettings{}.pointSpace)
      pointSpace = box;
  ASSERT_NE(pointSpace, nullptr);
  pointSpace->setValue(7);
  EXPECT_EQ(f.window->document().pointSpace(), 7);
  EXPECT_TRUE(f.t.session->Close().ok());
  EXPECT_EQ(f.t.session->settings().SettingsValue(kSettingPointSpace), 7);
}

TEST(PictureEditWindow, OpenShowsTheDrawingOnTheCanvas) {
  PictureEditFixture f;
  const auto file = f.t.root.path() / "square.ddr";
  const std::uint8_t red = 1;
  ASSERT_TRUE(DrawingFileWrite(file, {{P(20, 20, 2, red, 1), P(200, 20, 2, red)}}, 1).ok());
  f.chosenFile = file;
  f.Press("Open");

  ASSERT_EQ(f.drawing().size(), 1u);
  EXPECT_EQ(f.drawing()[0][1].x, 400);
  EXPECT_EQ(f.window->pointCountLabel()->text(), "2");
  const QImage canvas = f.window->canvas()->grab().toImage();
  EXPECT_EQ(canvas.pixelColor(210, 40), ToQColor(PaletteColour(red)));
}

TEST(PictureEditWindow, FrameListTakesTheDrawingAndSendsItBack) {
  PictureEditFixture f;
  QTest::mouseClick(f.window->frameListPanel()->thumbnail(0), Qt::LeftButton);
  QTest::keyClick(f.window.get(), Qt::Key_P);
  f.Click({100, 60});
  f.PressIn(f.window->frameListPanel(), "Get from Drawing");
  EXPECT_EQ(f.window->frameList().selectedPointCount(), 1u);

  f.answer = DialogAnswer::kNo;
  f.Press("New");
  EXPECT_TRUE(f.drawing().empty());
  f.PressIn(f.window->frameListPanel(), "Send to Drawing");
  ASSERT_EQ(f.drawing().size(), 1u);
  EXPECT_EQ(f.drawing()[0][0].x, 100);
  EXPECT_EQ(f.drawing()[0][0].y, 60);
  EXPECT_EQ(f.window->pointCountLabel()->text(), "1");
}

TEST(PictureEditWindow, RotationOkTurnsTheSelectionAboutTheCentre) {
  PictureEditFixture f;
  QTest::keyClick(f.window.get(), Qt::Key_P);
  f.Click({300, 256});
  f.Press("SelectAll");
  f.Press("Rotate");
  RotationDialog* rotation = f.window->rotationDialog();
  EXPECT_TRUE(rotation->isVisible());
  rotation->angleSlider()->setValue(180);
  f.PressIn(rotation, "&OK");

  EXPECT_FALSE(rotation->isVisible());
  EXPECT_EQ(f.drawing()[0][0].x, 212);
  EXPECT_EQ(f.drawing()[0][0].y, 256);
}

}  // namespace
}  // namespace ravix
