#include "output/device_selection.hpp"

#include <gtest/gtest.h>

#include "output/simulated_driver.hpp"

namespace ravix {
namespace {

using Names = std::vector<std::string>;

// Controllers at the given numbers only.
struct Rig {
  explicit Rig(std::initializer_list<int> plugged) {
    for (int n : plugged)
      driver.SetPlugged(n, true);
  }
  SimulatedDriver driver{0};
  ControllerBus bus{driver, std::chrono::microseconds{0}};
  LiveState live;
  DeviceSelection selection{bus, live};

  void EnableMultiple() {
    selection.ActivateSelectionWindow();
    selection.SetMultipleDevices(true);
  }
};

TEST(DeviceSelection, TitleRuleFollowsTheMasterSelection) {
  EXPECT_EQ(ApplicationTitle("Ravix", -1), "Ravix");
  EXPECT_EQ(ApplicationTitle("Ravix", 0), "Ravix-0");
  EXPECT_EQ(ApplicationTitle("Ravix", 12), "Ravix-12");

  Rig none({});
  none.selection.Create();
  EXPECT_EQ(none.selection.Title(), "Ravix");
  EXPECT_EQ(none.selection.Caption(), "Main-RAVIX");
  EXPECT_EQ(none.live.devices.MasterDevice(), "");

  Rig two({2, 7});
  two.selection.Create();
  EXPECT_EQ(two.selection.Found().displayNames, (Names{"Usb-2", "Usb-7"}));
  EXPECT_EQ(two.live.devices.MasterDevice(), "ezusb-2");
  EXPECT_EQ(two.selection.Caption(), "Ravix-0");
  two.selection.ChooseMaster(1);
  EXPECT_EQ(two.live.devices.MasterDevice(), "ezusb-7");
  EXPECT_EQ(two.selection.Title(), "Ravix-1");
  EXPECT_EQ(two.selection.Caption(), "Ravix-1");
}

TEST(DeviceSelection, AllAndNoneAroundTheMaster) {
  Rig rig({2, 7});
  rig.selection.Create();
  rig.selection.ChooseMaster(1);  // Usb-7
  rig.EnableMultiple();
  EXPECT_TRUE(rig.selection.BoxVisible(2));
  EXPECT_TRUE(rig.selection.BoxVisible(7));
  EXPECT_FALSE(rig.selection.BoxVisible(0));
  EXPECT_TRUE(rig.selection.BoxTicked(7));
  EXPECT_TRUE(rig.selection.AllNoneVisible());

  rig.selection.TickAll();
  EXPECT_EQ(rig.selection.ExtraDeviceList(), Names{"Usb-2"});
  EXPECT_EQ(rig.live.devices.ExtraDevices(), Names{"Usb-2"});
  rig.selection.TickNone();
  EXPECT_TRUE(rig.selection.ExtraDeviceList().empty());
  EXPECT_TRUE(rig.selection.BoxTicked(7));
  EXPECT_FALSE(rig.selection.BoxTicked(2));
  EXPECT_TRUE(rig.live.devices.ExtraDevices().empty());
}

TEST(DeviceSelection, BoxTicksEditTheExtraListButNeverAddTheMaster) {
  Rig rig({0, 1, 2});
  rig.selection.Create();
  rig.EnableMultiple();
  rig.selection.SetBoxTicked(0, true);  // the master's own box
  rig.selection.SetBoxTicked(2, true);
  rig.selection.SetBoxTicked(1, true);
  rig.selection.SetBoxTicked(2, true);  // already listed
  EXPECT_EQ(rig.live.devices.ExtraDevices(), (Names{"Usb-2", "Usb-1"}));
  rig.selection.SetBoxTicked(2, false);
  EXPECT_EQ(rig.live.devices.ExtraDevices(), Names{"Usb-1"});

  // A new master chosen in the selection window leaves the extra list.
  rig.selection.ChooseSelectionMaster(1);
  EXPECT_EQ(rig.live.devices.MasterDevice(), "ezusb-1");
  EXPECT_TRUE(rig.selection.BoxTicked(1));
  EXPECT_TRUE(rig.live.devices.ExtraDevices().empty());
}

TEST(DeviceSelection, DetectDevicePrunesAnUnpluggedController) {
  Rig rig({2, 7, 9});
  rig.selection.Create();
  rig.selection.ChooseMaster(2);  // Usb-9
  rig.EnableMultiple();
  rig.selection.TickAll();
  EXPECT_EQ(rig.live.devices.ExtraDevices(), (Names{"Usb-2", "Usb-7"}));

  rig.driver.SetPlugged(7, false);
  rig.selection.DetectDevice();
  EXPECT_EQ(rig.live.devices.ExtraDevices(), Names{"Usb-2"});
  EXPECT_FALSE(rig.selection.BoxVisible(7));
  EXPECT_FALSE(rig.selection.BoxTicked(7));
  EXPECT_TRUE(rig.selection.BoxVisible(2));
  // The remembered index 2 no longer exists: the first controller is master.
  EXPECT_EQ(rig.live.devices.MasterDevice(), "ezusb-2");
  EXPECT_EQ(rig.selection.Caption(), "Ravix-0");

  // Down to one controller: sending to extra devices is off and greyed out.
  rig.driver.SetPlugged(9, false);
  rig.selection.DetectDevice();
  EXPECT_FALSE(rig.live.devices.extraDevicesEnabled);
  EXPECT_FALSE(rig.selection.MultipleDevicesAllowed());
  EXPECT_FALSE(rig.selection.BoxVisible(2));
  EXPECT_FALSE(rig.selection.AllNoneVisible());

  rig.driver.SetPlugged(2, false);
  rig.selection.DetectDevice();
  EXPECT_EQ(rig.live.devices.MasterDevice(), "");
  EXPECT_EQ(rig.selection.Caption(), "Ravix");
  EXPECT_EQ(rig.selection.MasterIndex(), -1);
}

TEST(DeviceSelection, SingleControllerGreysOutMultipleDevices) {
  Rig rig({4});
  rig.selection.Create();
  rig.selection.ActivateSelectionWindow();
  EXPECT_FALSE(rig.selection.MultipleDevicesAllowed());
  rig.selection.SetMultipleDevices(true);
  EXPECT_FALSE(rig.live.devices.extraDevicesEnabled);
  EXPECT_FALSE(rig.selection.BoxVisible(4));
}

TEST(DeviceSelection, TimerFindsALateControllerAndProbesIt) {
  Rig rig({});
  rig.selection.Create();
  rig.selection.OnTimer();
  EXPECT_EQ(rig.selection.Caption(), "Main-RAVIX");

  rig.driver.SetPlugged(3, true);
  rig.selection.OnTimer();
  EXPECT_EQ(rig.live.devices.MasterDevice(), "ezusb-3");
  EXPECT_EQ(rig.selection.Caption(), "Ravix-0");
  const auto events = rig.driver.Events(3);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].bytes, std::vector<std::uint8_t>{0});
  EXPECT_EQ(events[1].bytes, (std::vector<std::uint8_t>{100, 100}));

  rig.selection.OnTimer();  // a known controller is not probed again
  EXPECT_EQ(rig.driver.Events(3).size(), 2u);
}

TEST(DeviceSelection, ResetTouchesExtrasOnlyWhenEnabled) {
  Rig rig({0, 1});
  rig.selection.Create();
  rig.EnableMultiple();
  rig.selection.TickAll();
  rig.driver.SetFailWrite(1, true);
  rig.driver.SetFailOpen(1, true);
  EXPECT_EQ(rig.selection.ResetDevices(), Names{"Failed to reset Usb-1"});
  rig.selection.SetMultipleDevices(false);
  EXPECT_TRUE(rig.selection.ResetDevices().empty());

  Rig none({});
  none.selection.Create();
  EXPECT_TRUE(none.selection.ResetDevices().empty());
}

}  // namespace
}  // namespace ravix
