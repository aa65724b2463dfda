#include "output/ui/quick_pages_window.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include "drawing/frame_list_file.hpp"
#include "output/ui/play_settings_window.hpp"
#include "output/ui/play_toolbar.hpp"
#include "support/points.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TestSession;

const QColor kSelectionRed(255, 0, 0);

// A workspace with one page of two frame lists, a session on controller Usb-0
// and the two windows wired as the program wires them.
struct QuickPagesFixture {
  QuickPagesFixture() {
    page = t.session->workspace().Folder(kQuickFrameFolder) / "Demo";
    std::filesystem::create_directories(page);
    const Drawing square = {{P(20, 20, 0, 4, 1), P(200, 20), P(200, 200), P(20, 200), P(20, 20)}};
    EXPECT_TRUE(FrameListWrite(page / "a.ilf", {square, {{P(10, 10), P(50, 50)}}}).ok());
    EXPECT_TRUE(FrameListWrite(page / "b.ilf", {{{P(10, 10), P(50, 50), P(90, 10)}}}).ok());
    t.session->Start();
    settings = std::make_unique<PlaySettingsWindow>(*t.session);
    pages = std::make_unique<QuickPagesWindow>(*t.session);
    QObject::connect(pages.get(), &QuickPagesWindow::playSettingsRequested, settings.get(),
                     &PlaySettingsWindow::OpenFor);
  }
  ~QuickPagesFixture() { t.session->StopAllPlay(); }

  TestSession t{{0}};
  std::filesystem::path page;
  std::unique_ptr<PlaySettingsWindow> settings;
  std::unique_ptr<QuickPagesWindow> pages;
};

TEST(QuickPagesWindow, KeysSelectSlotsBeforeAnyControlAndQuickPlay2ListsNewFiles) {
  QuickPagesFixture f;
  QuickPagesModel& model = f.pages->model();
  EXPECT_EQ(f.pages->slotImage(0).pixelColor(0, 32), kSelectionRed);
  // Keys pressed on a control reach the window first.
  auto* fade = f.pages->findChild<QSlider*>("Time Fade");
  struct Case {
    Qt::Key key;
    int slot;
  };
  for (const Case c : {Case{Qt::Key_Q, 12}, Case{Qt::Key_Minus, 10}, Case{Qt::Key_2, 1},
                       Case{Qt::Key_Slash, 45}, Case{Qt::Key_Apostrophe, 35}}) {
    QTest::keyClick(fade, c.key);
    EXPECT_EQ(model.slot(), c.slot) << c.key;
  }
  EXPECT_EQ(fade->value(), kDefaultTimeFade);
  QTest::keyClick(fade, Qt::Key_F1);  // no slot key
  EXPECT_EQ(model.slot(), 35);
  QTest::keyClick(f.pages.get(), Qt::Key_2);
  EXPECT_EQ(model.SelectedFile()->filename(), "b.ilf");
  EXPECT_EQ(f.pages->slotImage(1).pixelColor(0, 32), kSelectionRed);
  EXPECT_NE(f.pages->slotImage(0).pixelColor(0, 32), kSelectionRed);
  // An empty slot is grey.
  EXPECT_EQ(f.pages->slotImage(2).pixelColor(32, 32), QColor(128, 128, 128));

  // "Quick Play2" lists the page's files again, the slot staying.
  EXPECT_TRUE(FrameListWrite(f.page / "c.ilf", {{{P(0, 0)}}}).ok());
  f.pages->RefreshFiles();
  EXPECT_EQ(model.slot(), 1);
  EXPECT_EQ(model.files().size(), 3u);
  EXPECT_EQ(f.pages->slotImage(2).pixelColor(32, 32), QColor(0, 0, 0));
}

TEST(QuickPagesWindow, PlaySettingsPlayRestartsThePagesPlayerWithItsButtons) {
  QuickPagesFixture f;
  PlaySettingsPanel& panel = f.t.session->playSettings();
  f.pages->toolbar()->settingsAction()->trigger();
  EXPECT_EQ(panel.Owner(), kOwnerQuickPlayPages);

  int shownCount = -1;
  QString shownFile;
  QObject::connect(f.pages.get(), &QuickPagesWindow::frameShown,
                   [&](const QString& file, int count, const QImage&) {
                     shownFile = file;
                     shownCount = count;
                   });
  f.settings->toolbar()->invertXAction()->setChecked(true);
  f.settings->toolbar()->loopAction()->setChecked(true);
  f.settings->toolbar()->playAction()->trigger();

  EXPECT_TRUE(f.pages->toolbar()->Buttons().invertX);
  EXPECT_TRUE(f.pages->toolbar()->Buttons().loop);
  EXPECT_TRUE(f.t.session->live().settings.invertX);
  EXPECT_EQ(f.pages->statusBar()->currentMessage(), kPagesPlayStartText);
  ASSERT_TRUE(QTest::qWaitFor([&] { return shownCount == 5; }, 3000));
  EXPECT_EQ(shownFile, "a.ilf");
  EXPECT_EQ(f.pages->pointCountLabel()->text(), "5");
  EXPECT_GT(f.t.driver->WriteCount(0), 1u);
  // The play image shows the square's top edge in green, as stored.
  EXPECT_EQ(f.pages->playImage().pixelColor(100, 20), QColor(0, 255, 0));
  // With loop on, the second frame follows and the list starts again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return shownCount == 2; }, 3000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return shownCount == 5; }, 3000));

  f.pages->toolbar()->stopAction()->trigger();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return f.pages->statusBar()->currentMessage() == kPagesPlayOverText; }, 3000));
}

}  // namespace
}  // namespace ravix
