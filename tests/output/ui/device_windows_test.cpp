#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "output/ui/device_select_window.hpp"
#include "output/ui/main_window.hpp"
#include "support/ui/test_session.hpp"

namespace ravix {
namespace {

using testing::TestSession;

// The main window and the selection window wired to each other as the program
// does.
struct DeviceWindows {
  explicit DeviceWindows(TestSession& t) : main(*t.session), select(*t.session) {
    QObject::connect(&main, &MainWindow::devicesChanged, &select, &DeviceSelectWindow::Refresh);
    QObject::connect(&select, &DeviceSelectWindow::devicesChanged, &main, &MainWindow::Refresh);
  }
  MainWindow main;
  DeviceSelectWindow select;
};

std::vector<int> ShownBoxes(const DeviceSelectWindow& window) {
  std::vector<int> shown;
  for (int n = 0; n < kDeviceNumberCount; ++n) {
    if (!window.box(n)->isHidden())
      shown.push_back(n);
  }
  return shown;
}

TEST(MainWindow, CaptionFollowsTheControllersFound) {
  TestSession none({});
  MainWindow empty(*none.session);
  EXPECT_EQ(empty.windowTitle(), "Main-RAVIX");
  EXPECT_EQ(empty.masterList()->count(), 0);

  TestSession t({2, 7});
  MainWindow main(*t.session);
  EXPECT_EQ(main.windowTitle(), "Ravix-0");
  main.masterList()->setCurrentIndex(1);
  EXPECT_EQ(main.windowTitle(), "Ravix-1");
  EXPECT_EQ(t.session->live().devices.MasterDevice(), "ezusb-7");

  t.driver->SetPlugged(2, false);
  t.driver->SetPlugged(7, false);
  main.findChild<QPushButton*>("Detect Device")->click();
  EXPECT_EQ(main.windowTitle(), "Ravix");
  EXPECT_EQ(t.session->live().devices.MasterDevice(), "");
}

TEST(MainWindow, ALateControllerBecomesTheMasterWithinTwoSeconds) {
  TestSession t({});
  MainWindow main(*t.session);
  t.driver->SetPlugged(5, true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return main.windowTitle() == "Ravix-0"; }, 3000));
  EXPECT_EQ(t.session->live().devices.MasterDevice(), "ezusb-5");
  EXPECT_EQ(main.masterList()->currentText(), "Usb-5");
  EXPECT_EQ(t.driver->Events(5).size(), 2u);  // the probe
}

TEST(MainWindow, OnlyButtonsWithAWindowAreEnabled) {
  TestSession t({});
  MainWindow main(*t.session);
  for (const char* caption : kMainButtonCaptions)
    EXPECT_FALSE(main.findChild<QPushButton*>(caption)->isEnabled()) << caption;
  int opened = 0;
  main.SetOpener(MainButton::kSelectDevice, [&] { ++opened; });
  main.button(MainButton::kSelectDevice)->click();
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(main.button(MainButton::kPictureEdit)->isEnabled());
}

TEST(MainWindow, ClosingSavesTheSettings) {
  TestSession t({});
  MainWindow main(*t.session);
  t.session->live().settings.blankDelay = 42;
  main.show();
  EXPECT_TRUE(main.close());
  SettingsFile saved;
  ASSERT_TRUE(saved.LoadSettings(t.root / "Ravix.ini").ok());
  EXPECT_EQ(saved.SettingsValue(kSettingBlankDelay), 42);
}

TEST(DeviceSelectWindow, BoxesShowOnlyWithMultipleDevices) {
  TestSession t({2, 7});
  DeviceWindows w(t);
  EXPECT_TRUE(ShownBoxes(w.select).empty());
  EXPECT_TRUE(w.select.allButton()->isHidden());
  EXPECT_EQ(w.select.box(5)->text(), "Usb-5");

  w.main.masterList()->setCurrentIndex(1);
  EXPECT_EQ(w.select.masterList()->currentIndex(), 1);
  w.select.multipleDevices()->click();
  EXPECT_EQ(ShownBoxes(w.select), (std::vector<int>{2, 7}));
  EXPECT_TRUE(w.select.box(7)->isChecked());
  EXPECT_FALSE(w.select.allButton()->isHidden());

  w.select.allButton()->click();
  EXPECT_TRUE(w.select.box(2)->isChecked());
  EXPECT_EQ(t.session->live().devices.ExtraDevices(), std::vector<std::string>{"Usb-2"});
  w.select.noneButton()->click();
  EXPECT_FALSE(w.select.box(2)->isChecked());
  EXPECT_TRUE(w.select.box(7)->isChecked());
  w.select.box(2)->click();
  EXPECT_EQ(t.session->live().devices.ExtraDevices(), std::vector<std::string>{"Usb-2"});

  w.select.masterList()->setCurrentIndex(0);
  EXPECT_EQ(w.main.windowTitle(), "Ravix-0");
  EXPECT_TRUE(t.session->live().devices.ExtraDevices().empty());

  w.select.multipleDevices()->click();
  EXPECT_TRUE(ShownBoxes(w.select).empty());
  EXPECT_FALSE(t.session->live().devices.extraDevicesEnabled);
}

TEST(DeviceSelectWindow, UnpluggedControllerLeavesOnDetect) {
  TestSession t({2, 7, 9});
  DeviceWindows w(t);
  w.select.multipleDevices()->click();
  w.select.allButton()->click();
  t.driver->SetPlugged(7, false);
  w.main.findChild<QPushButton*>("Detect Device")->click();
  EXPECT_EQ(ShownBoxes(w.select), (std::vector<int>{2, 9}));
  EXPECT_EQ(t.session->live().devices.ExtraDevices(), std::vector<std::string>{"Usb-9"});

  t.driver->SetPlugged(9, false);
  w.main.findChild<QPushButton*>("Detect Device")->click();
  EXPECT_FALSE(w.select.multipleDevices()->isEnabled());
  EXPECT_FALSE(w.select.multipleDevices()->isChecked());
  EXPECT_TRUE(ShownBoxes(w.select).empty());
}

}  // namespace
}  // namespace ravix
