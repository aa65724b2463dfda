#include "output/ui/quick_play_window.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include "core/drawing_file.hpp"
#include "output/ui/play_settings_window.hpp"
#include "output/ui/play_toolbar.hpp"
#include "output/ui/thumbnail_slot.hpp"
#include "support/points.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TestSession;

// A workspace with two drawings, a session on controller Usb-0 and the two
// windows wired as the program wires them.
struct QuickPlayFixture {
  QuickPlayFixture() {
    const auto folder = t.session->workspace().Folder(kDrawingFolder);
    std::filesystem::create_directories(folder);
    const Drawing square = {{P(20, 20, 0, 4, 1), P(200, 20), P(200, 200), P(20, 200), P(20, 20)}};
    EXPECT_TRUE(DrawingFileWrite(folder / "a.ddr", square, 1).ok());
    EXPECT_TRUE(DrawingFileWrite(folder / "b.ddr", {{P(10, 10), P(50, 50)}}, 1).ok());
    t.session->Start();
    settings = std::make_unique<PlaySettingsWindow>(*t.session);
    quick = std::make_unique<QuickPlayWindow>(*t.session);
    QObject::connect(quick.get(), &QuickPlayWindow::playSettingsRequested, settings.get(),
                     &PlaySettingsWindow::OpenFor);
  }
  ~QuickPlayFixture() { t.session->StopAllPlay(); }

  TestSession t{{0}};
  std::unique_ptr<PlaySettingsWindow> settings;
  std::unique_ptr<QuickPlayWindow> quick;
};

TEST(QuickPlayWindow, PlaySettingsPlayRestartsTheQuickPlayerWithItsButtons) {
  QuickPlayFixture f;
  PlaySettingsPanel& panel = f.t.session->playSettings();
  EXPECT_EQ(panel.Owner(), kOwnerNone);
  f.quick->toolbar()->settingsAction()->trigger();
  EXPECT_EQ(panel.Owner(), kOwnerQuickPlay);

  int shownCount = -1;
  QString shownFile;
  QObject::connect(f.quick.get(), &QuickPlayWindow::frameShown,
                   [&](const QString& file, int count, const QImage&) {
                     shownFile = file;
                     shownCount = count;
                   });
  f.settings->toolbar()->invertXAction()->setChecked(true);
  f.settings->toolbar()->playAction()->trigger();

  // The quick player took the settings window's buttons and plays its drawing.
  EXPECT_TRUE(f.quick->toolbar()->Buttons().invertX);
  EXPECT_TRUE(f.t.session->live().settings.invertX);
  EXPECT_EQ(f.quick->statusBar()->currentMessage(), kQuickDrawingStartText);
  ASSERT_TRUE(QTest::qWaitFor([&] { return shownCount == 5; }, 3000));
  EXPECT_EQ(shownFile, "a.ddr");
  EXPECT_EQ(f.quick->pointCountLabel()->text(), "5");
  EXPECT_GT(f.t.driver->WriteCount(0), 1u);
  // The preview shows the square's top edge in green.
  EXPECT_EQ(f.quick->previewImage().pixelColor(100, 20), QColor(0, 255, 0));

  f.quick->toolbar()->stopAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return f.quick->statusBar()->currentMessage() == kQuickDrawingOverText; }, 3000));
}

TEST(QuickPlayWindow, ThumbnailsListsAndColoursFollowTheModel) {
  QuickPlayFixture f;
  QuickPlayModel& model = f.quick->model();
  auto* ilda = f.quick->findChild<QRadioButton*>("ILDA");
  ASSERT_NE(ilda, nullptr);
  ilda->click();
  EXPECT_EQ(model.mode, QuickPlayMode::kIlda);

  QTest::mouseClick(f.quick->findChildren<ThumbnailSlot*>()[1], Qt::LeftButton);
  EXPECT_EQ(model.mode, QuickPlayMode::kDrawing);
  EXPECT_EQ(model.drawings.currentName(), "b.ddr");
  EXPECT_TRUE(f.quick->findChild<QRadioButton*>("Drawing")->isChecked());

  // The play settings window's "Rnd2" reaches the quick player's channels.
  f.settings->findChild<QPushButton*>("Rnd2")->click();
  EXPECT_EQ(model.channel->colourMode, kColourModeRnd2);
  EXPECT_EQ(model.segmentChannel->selectedColour, kColourModeRnd2);
  // Its own panels set both, and the chosen one shows lowered.
  auto* red = f.quick->findChild<QPushButton*>("Red");
  red->click();
  EXPECT_EQ(model.channel->colourMode, kColourRed);
  EXPECT_TRUE(red->isChecked());

  f.quick->slider(QuickSlider::kZoom)->setValue(64);
  EXPECT_EQ(model.channel->Slider(QuickSlider::kZoom), 64);
  f.quick->findChild<QSlider*>("Scan rate")->setValue(200);
  EXPECT_EQ(f.t.session->live().settings.scanRateCode, 50);
}

TEST(QuickPlayWindow, APlayStartedElsewhereLeavesItsFramesAlone) {
  QuickPlayFixture f;
  int shown = 0;
  QObject::connect(f.quick.get(), &QuickPlayWindow::frameShown, [&] { ++shown; });
  f.quick->Play();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown > 0; }, 3000));

  // Another window's player: it raises settingsChanged for its own preview.
  auto job = std::make_shared<QuickPlayJob>();
  job->drawing = {{P(0, 0), P(9, 9)}};
  job->channel = std::make_shared<QuickPlayChannel>();
  ASSERT_TRUE(StartQuickPlay(f.t.session->host(), f.t.session->live(), job, kPlayTypeQuickDrawing,
                             {}, nullptr)
                  .ok());
  QTest::qWait(100);
  const int before = shown;
  QTest::qWait(200);
  EXPECT_EQ(shown, before);
  EXPECT_TRUE(f.t.session->live().control.settingsChanged);  // left for its owner
}

TEST(QuickPlayWindow, AGoneWindowLeavesNoTargetBehind) {
  QuickPlayFixture f;
  f.quick->toolbar()->settingsAction()->trigger();
  f.quick.reset();
  f.settings->toolbar()->playAction()->trigger();  // the owner has no window: nothing starts
  f.settings->findChild<QPushButton*>("Rnd1")->click();
  EXPECT_FALSE(f.t.session->host().Running());
}

}  // namespace
}  // namespace ravix
