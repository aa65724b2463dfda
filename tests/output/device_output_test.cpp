#include "output/device_output.hpp"

#include <gtest/gtest.h>

#include "output/control_message.hpp"
#include "output/late_connection_probe.hpp"
#include "output/settings_snapshot.hpp"
#include "output/simulated_driver.hpp"

namespace ravix {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Received(const SimulatedDriver& driver, int number) {
  std::vector<Bytes> writes;
  for (const auto& e : driver.Events(number)) {
    EXPECT_EQ(e.kind, ControllerEvent::Kind::kBulkWrite);
    writes.push_back(e.bytes);
  }
  return writes;
}

struct Rig {
  SimulatedDriver driver{4, false, 1024};
  ControllerBus bus{driver, std::chrono::microseconds{0}};
  LiveState live;
};

TEST(DeviceOutput, MasterThenEnabledExtrasOnTheOutputPipe) {
  Rig rig;
  rig.live.settings.outputPipe = 3;
  rig.live.devices.SetMasterDevice("ezusb-1");
  rig.live.devices.SetExtraDevices({"Usb-3", "USB-0"});
  const Bytes block = {1, 2, 3, 4};
  SendToAllDevices(rig.bus, rig.live, block);
  EXPECT_EQ(Received(rig.driver, 1), std::vector<Bytes>{block});
  EXPECT_TRUE(rig.driver.Events(3).empty());

  rig.live.devices.extraDevicesEnabled = true;
  std::vector<int> order;
  rig.driver.SetObserver([&](int n, const ControllerEvent& e) {
    EXPECT_EQ(e.pipe, 3u);
    order.push_back(n);
  });
  SendToAllDevices(rig.bus, rig.live, block);
  EXPECT_EQ(order, (std::vector<int>{1, 3, 0}));
}

TEST(DeviceOutput, LongFramesGoInBlocksOfAtMost16384Points) {
  Rig rig;
  rig.live.devices.SetMasterDevice("ezusb-0");
  Bytes frame((16384 * 2 + 1) * 4);
  for (std::size_t i = 0; i < frame.size(); ++i)
    frame[i] = static_cast<std::uint8_t>(i / 7);
  EXPECT_TRUE(SendFrame(rig.bus, rig.live, frame));
  const auto writes = Received(rig.driver, 0);
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[0], Bytes(frame.begin(), frame.begin() + 65536));
  EXPECT_EQ(writes[1], Bytes(frame.begin() + 65536, frame.begin() + 131072));
  EXPECT_EQ(writes[2], Bytes(frame.begin() + 131072, frame.end()));

  rig.driver.ClearEvents(0);
  EXPECT_TRUE(SendFrame(rig.bus, rig.live, Bytes{}));
  EXPECT_EQ(Received(rig.driver, 0), std::vector<Bytes>{Bytes{}});

  rig.driver.ClearEvents(0);
  rig.live.control.stopRequested = true;
  EXPECT_FALSE(SendFrame(rig.bus, rig.live, frame));
  EXPECT_EQ(Received(rig.driver, 0).size(), 1u);
}

TEST(ControlMessages, SentFirstAndAgainOnlyWhenChanged) {
  Rig rig;
  rig.live.devices.SetMasterDevice("ezusb-0");
  rig.live.settings.blankDelay = 7;
  ControlMessageSender sender(rig.bus, rig.live);
  sender.SendFirst();
  EXPECT_FALSE(sender.SendIfChanged());
  rig.live.settings.scanRateCode = 50;
  EXPECT_TRUE(sender.SendIfChanged());
  EXPECT_FALSE(sender.SendIfChanged());
  rig.live.settings.blankDelay = 8;
  EXPECT_TRUE(sender.SendIfChanged());
  EXPECT_EQ(Received(rig.driver, 0), (std::vector<Bytes>{{7, 100}, {7, 50}, {8, 50}}));
}

TEST(SettingsSnapshot, RaisesSettingsChangedOnGeometryChanges) {
  LiveState live;
  SettingsSnapshot snapshot(live.settings);
  EXPECT_FALSE(snapshot.Refresh(live));
  live.settings.scanRateCode = 3;  // not geometry
  live.settings.redDepth = 3;
  EXPECT_FALSE(snapshot.Refresh(live));
  EXPECT_FALSE(live.control.settingsChanged);
  live.settings.invertY = true;
  EXPECT_TRUE(snapshot.Refresh(live));
  EXPECT_TRUE(live.control.settingsChanged);
  live.control.settingsChanged = false;
  EXPECT_FALSE(snapshot.Refresh(live));
  live.settings.locateAngle = 10;
  EXPECT_TRUE(snapshot.Refresh(live));
}

TEST(LateConnectionProbe, MakesTheFirstFoundControllerTheMaster) {
  Rig rig;
  for (int n = 0; n < 4; ++n)
    rig.driver.SetPlugged(n, false);
  rig.live.settings.outputPipe = 2;
  FoundDevices found;
  EXPECT_FALSE(ProbeLateConnection(rig.bus, rig.live, found));
  EXPECT_EQ(rig.live.devices.MasterDevice(), "");

  rig.driver.SetPlugged(3, true);
  rig.driver.SetPlugged(2, true);
  EXPECT_TRUE(ProbeLateConnection(rig.bus, rig.live, found));
  EXPECT_EQ(found.displayNames, (std::vector<std::string>{"Usb-2", "Usb-3"}));
  EXPECT_EQ(rig.live.devices.MasterDevice(), "ezusb-2");
  EXPECT_EQ(Received(rig.driver, 2), (std::vector<Bytes>{{0}, {100, 100}}));
  EXPECT_EQ(rig.driver.Events(2)[0].pipe, 2u);
  EXPECT_FALSE(ProbeLateConnection(rig.bus, rig.live, found));  // a controller is known
  EXPECT_EQ(rig.driver.Events(2).size(), 2u);
}

}  // namespace
}  // namespace ravix
