#include "output/desktop_session.hpp"

#include <gtest/gtest.h>

#include "output/drawing_playback.hpp"
#include "output/simulated_driver.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::P;
using testing::TempFolder;

TEST(DesktopSession, MissingSettingsStartAtInitialPositionsAndAreWrittenComplete) {
  TempFolder root;
  DesktopSession session(Workspace(root.path()), std::make_unique<SimulatedDriver>(0),
                         std::chrono::microseconds{0});
  session.Start();
  EXPECT_EQ(session.live().settings.scanRateCode, 100);
  EXPECT_EQ(session.devices().Caption(), "Main-RAVIX");
  session.live().settings.sizeX = 33;
  bool asked = false;
  session.AddCloseGuard([&] {
    asked = true;
    return true;
  });
  session.AddSettingsWriter(
      [](SettingsFile& file) { file.SetSettingsValue(kSettingGridSpacingX, 7); });
  ASSERT_TRUE(session.MayClose());
  EXPECT_TRUE(asked);
  ASSERT_TRUE(session.Close().ok());

  SettingsFile saved;
  ASSERT_TRUE(saved.LoadSettings(root / "Ravix.ini").ok());
  EXPECT_GE(saved.Lines().size(), kSettingsLineCount);
  EXPECT_EQ(saved.SettingsValue(kSettingSizeX), 33);
  EXPECT_EQ(saved.SettingsValue(kSettingGridSpacingX), 7);
  EXPECT_EQ(saved.SettingsLine(kSettingBrightness - 1), "Brightness");
}

TEST(DesktopSession, ACloseGuardThatRefusesKeepsTheProgramOpen) {
  TempFolder root;
  DesktopSession session(Workspace(root.path()), std::make_unique<SimulatedDriver>(1));
  session.AddCloseGuard([] { return false; });
  EXPECT_FALSE(session.MayClose());
}

TEST(DesktopSession, CloseWhilePlayingEndsTheLoop) {
  TempFolder root;
  auto driver = std::make_unique<SimulatedDriver>(1, /*paceWrites=*/true);
  SimulatedDriver& simulated = *driver;
  DesktopSession session(Workspace(root.path()), std::move(driver));
  session.Start();
  const Drawing drawing = {{P(10, 10), P(400, 400), P(10, 400)}};
  ASSERT_TRUE(
      StartDrawingPlayback(session.host(), session.live(), drawing, false, false, nullptr).ok());
  while (simulated.WriteCount(0) < 3)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(session.Close().ok());
  EXPECT_FALSE(session.host().Running());
  EXPECT_FALSE(session.live().control.playing);
}

}  // namespace
}  // namespace ravix
