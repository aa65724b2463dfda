#include "output/ui/play_settings_window.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "output/ui/offset_pad_widget.hpp"
#include "output/ui/play_toolbar.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::TestSession;

// A left click at `position`; QTest would move a click at (0, 0) to the centre.
void ClickAt(QWidget* widget, QPoint position) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, position, widget->mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
}

TEST(PlaySettingsWindow, ControlsStartFromTheLoadedSettings) {
  TestSession t({});
  t.session->settings().SetSettingsValue(kSettingScanRateCode, 50);
  t.session->settings().SetSettingsValue(kSettingSizeY, 33);
  PlaySettingsWindow window(*t.session);
  EXPECT_EQ(window.slider(PlaySlider::kScanRate)->value(), 200);
  EXPECT_EQ(window.slider(PlaySlider::kVerticalSize)->value(), 33);
  EXPECT_EQ(window.slider(PlaySlider::kBrightness)->value(), 100);
  for (const PlaySliderSpec& spec : PlaySliders())
    EXPECT_NE(window.findChild<QSlider*>(spec.label), nullptr) << spec.label;
}

TEST(PlaySettingsWindow, LockXYMovesHorizontalWithVertical) {
  TestSession t({});
  PlaySettingsWindow window(*t.session);
  auto* lock = window.findChild<QCheckBox*>("Lock XY size");
  ASSERT_NE(lock, nullptr);
  lock->click();
  window.slider(PlaySlider::kVerticalSize)->setValue(30);
  EXPECT_EQ(window.slider(PlaySlider::kHorizontalSize)->value(), 30);
  EXPECT_EQ(t.session->live().settings.sizeX, 30);
  EXPECT_EQ(t.session->live().settings.sizeY, 30);
  lock->click();
  window.slider(PlaySlider::kVerticalSize)->setValue(10);
  EXPECT_EQ(window.slider(PlaySlider::kHorizontalSize)->value(), 30);
}

TEST(PlaySettingsWindow, PadClicksSetOffsetsAndLabels) {
  TestSession t({});
  PlaySettingsWindow window(*t.session);
  const auto& s = t.session->live().settings;
  ClickAt(window.pad(), QPoint(0, 0));
  EXPECT_EQ(s.offsetX, -256);
  EXPECT_EQ(s.offsetY, -256);
  ClickAt(window.pad(), QPoint(255, 255));
  EXPECT_EQ(s.offsetX, 254);
  EXPECT_EQ(s.offsetY, 254);
  EXPECT_EQ(window.pad()->picture().pixelColor(255, 255 - 3), QColor(255, 0, 0));
  QTest::mousePress(window.pad(), Qt::LeftButton, {}, QPoint(10, 20));
  QTest::mouseMove(window.pad(), QPoint(60, 90));
  EXPECT_EQ(s.offsetX, -136);
  EXPECT_EQ(s.offsetY, -76);
  EXPECT_EQ(window.findChild<QLabel*>("offsetXValue")->text(), "-136");
  for (auto* b : window.findChildren<QPushButton*>()) {
    if (b->text() == "Reset to 0")
      b->click();
  }
  EXPECT_EQ(s.offsetX, 0);
  EXPECT_EQ(s.offsetY, 0);
}

TEST(PlaySettingsWindow, PlayButtonRestartsTheOwnerOnly) {
  TestSession t({});
  PlaySettingsWindow window(*t.session);
  std::vector<int> pressed;
  PlayButtons handed;
  for (int owner = 0; owner < kPlayOwnerCount; ++owner) {
    t.session->playSettings().Targets().Set(
        owner, PlayOwnerTarget{[&](const PlayButtons& b) { handed = b; },
                               [&pressed, owner] { pressed.push_back(owner); },
                               {}});
  }
  window.toolbar()->loopAction()->trigger();
  window.toolbar()->invertYAction()->trigger();
  window.toolbar()->playAction()->trigger();  // no owner yet
  EXPECT_TRUE(pressed.empty());
  EXPECT_TRUE(t.session->live().control.loopPlay);

  window.OpenFor(kOwnerTextPlay);
  window.toolbar()->playAction()->trigger();
  EXPECT_EQ(pressed, std::vector<int>{kOwnerTextPlay});
  EXPECT_EQ(handed, (PlayButtons{true, false, true, false}));
  EXPECT_TRUE(t.session->live().settings.invertY);
  EXPECT_FALSE(t.session->live().settings.invertX);
}

TEST(PlaySettingsWindow, ColourPanelsAndToolbarToggles) {
  TestSession t({});
  PlaySettingsWindow window(*t.session);
  std::atomic<std::int32_t> quick{257}, segment{257};
  t.session->playSettings().AddColourModeTarget(quick);
  t.session->playSettings().AddColourModeTarget(segment);
  window.findChild<QPushButton*>("Rnd2")->click();
  EXPECT_EQ(quick, 259);
  EXPECT_EQ(segment, 259);
  window.toolbar()->pauseAction()->trigger();
  window.toolbar()->invertXAction()->trigger();
  EXPECT_TRUE(t.session->live().control.paused);
  EXPECT_TRUE(t.session->live().settings.invertX);
  EXPECT_EQ(window.toolbar()->pauseAction()->toolTip(), QString::fromUtf8("暂停"));
}

TEST(PlaySettingsWindow, ActivationRereadsScanRateAndBlankDelay) {
  TestSession t({});
  PlaySettingsWindow window(*t.session);
  window.show();
  t.session->live().settings.scanRateCode = 30;
  t.session->live().settings.blankDelay = 7;
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(window.slider(PlaySlider::kScanRate)->value(), 220);
  EXPECT_EQ(window.slider(PlaySlider::kBlankDelay)->value(), 7);
}

}  // namespace
}  // namespace ravix
