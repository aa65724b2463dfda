#include "output/controller_bus.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "output/device_names.hpp"
#include "output/device_reset.hpp"
#include "output/libusb_driver.hpp"
#include "output/simulated_driver.hpp"

namespace ravix {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = ControllerEvent::Kind;

ControllerEvent Write(std::uint32_t pipe, Bytes bytes) {
  return {Kind::kBulkWrite, pipe, std::move(bytes), {}};
}
ControllerEvent Abort(std::uint32_t pipe) {
  return {Kind::kAbortPipe, pipe, {}, {}};
}
ControllerEvent Cpu(std::uint8_t data) {
  return {Kind::kVendorRequest, 0, {}, CpuControlRequest(data)};
}

TEST(DeviceNames, DriverNamesParseIgnoringCase) {
  EXPECT_EQ(DriverName(7), "ezusb-7");
  EXPECT_EQ(DisplayName(7), "Usb-7");
  EXPECT_EQ(DriverNameOfDisplayName("Usb-12"), "ezusb-12");
  struct Case {
    const char* name;
    std::optional<int> number;
  };
  for (const Case& c :
       {Case{"ezusb-0", 0}, Case{"ezUsb-3", 3}, Case{"EZUSB-127", 127}, Case{"ezusb-128", {}},
        Case{"ezusb-", {}}, Case{"", {}}, Case{"ezusb-07", {}}, Case{"ezusb-1x", {}},
        Case{"usb-1", {}}, Case{"ezusb--1", {}}}) {
    EXPECT_EQ(DriverNameNumber(c.name), c.number) << c.name;
  }
}

TEST(ControllerBus, ScanListsControllersInNumberOrder) {
  SimulatedDriver driver(0);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  EXPECT_TRUE(bus.ScanDevices().empty());

  driver.SetPlugged(7, true);
  driver.SetPlugged(2, true);
  driver.SetPlugged(4, true);
  driver.SetIdentity(4, kControllerVendorId, 0x6667);
  driver.SetPlugged(5, true);
  driver.SetFailOpen(5, true);  // its descriptor is read without opening it
  const FoundDevices found = bus.ScanDevices();
  EXPECT_EQ(found.driverNames, (std::vector<std::string>{"ezusb-2", "ezusb-5", "ezusb-7"}));
  EXPECT_EQ(found.displayNames, (std::vector<std::string>{"Usb-2", "Usb-5", "Usb-7"}));
}

TEST(ControllerBus, FailingControllersReceiveNothing) {
  SimulatedDriver driver(3);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  const Bytes data = {1, 2, 3, 4};
  EXPECT_FALSE(bus.DeviceBulkWrite(data, "", 0));
  EXPECT_TRUE(bus.DeviceBulkWrite(data, "ezusb-0", 6));
  driver.SetFailOpen(1, true);
  EXPECT_FALSE(bus.DeviceBulkWrite(data, "ezusb-1", 0));
  driver.SetFailWrite(2, true);
  EXPECT_FALSE(bus.DeviceBulkWrite(data, "ezusb-2", 0));
  driver.SetPlugged(0, false);
  EXPECT_FALSE(bus.DeviceBulkWrite(data, "ezusb-0", 0));
  driver.SetPlugged(0, true);
  EXPECT_TRUE(bus.DeviceBulkWrite(data, "ezusb-0", 2));

  EXPECT_EQ(driver.Events(0), (std::vector<ControllerEvent>{Write(6, data), Write(2, data)}));
  EXPECT_TRUE(driver.Events(1).empty());
  EXPECT_TRUE(driver.Events(2).empty());
}

TEST(ControllerBus, HoldCpuHoldsThenReleases) {
  SimulatedDriver driver(1);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  EXPECT_TRUE(bus.DeviceHoldCpu("ezusb-0"));
  EXPECT_EQ(driver.Events(0), (std::vector<ControllerEvent>{Cpu(1), Cpu(0)}));
  EXPECT_EQ(CpuControlRequest(1), (VendorRequest{0xA0, 0x7F92, 0, 1, 0, 1}));
  EXPECT_FALSE(bus.DeviceHoldCpu("ezusb-1"));
}

TEST(DeviceReset, MasterThenExtrasWithTheirPipes) {
  SimulatedDriver driver(3);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  EXPECT_TRUE(ResetDevices(bus, "Usb-1", false, {"Usb-0", "Usb-2"}).empty());
  EXPECT_EQ(driver.Events(1),
            (std::vector<ControllerEvent>{Abort(1), Abort(3), Abort(5), Cpu(1), Cpu(0)}));
  EXPECT_TRUE(driver.Events(0).empty());

  driver.ClearEvents(1);
  driver.SetFailOpen(2, true);
  EXPECT_EQ(ResetDevices(bus, "Usb-1", true, {"Usb-2", "Usb-0", "Usb-9"}),
            (std::vector<std::string>{"Failed to reset Usb-2", "Failed to reset Usb-9"}));
  EXPECT_EQ(driver.Events(0),
            (std::vector<ControllerEvent>{Abort(1), Abort(2), Abort(3), Cpu(1), Cpu(0)}));
  EXPECT_EQ(driver.Events(1).size(), 5u);
}

TEST(SimulatedDriver, PacesAtTheLastControlMessagesScanRate) {
  SimulatedDriver driver(1, /*paceWrites=*/true);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  bus.DeviceBulkWrite(Bytes{100, 230}, "ezusb-0", 0);  // 20 x 240 = 4800 points per second
  const auto start = std::chrono::steady_clock::now();
  bus.DeviceBulkWrite(Bytes(480 * 4), "ezusb-0", 0);  // 480 points: 100 ms
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(95));
}

TEST(SimulatedDriver, ObserverSeesEveryEventAndTheRecordIsBounded) {
  SimulatedDriver driver(2, false, /*eventLimit=*/2);
  std::vector<std::pair<int, ControllerEvent>> seen;
  driver.SetObserver([&](int n, const ControllerEvent& e) { seen.emplace_back(n, e); });
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  for (std::uint8_t b = 0; b < 3; ++b)
    bus.DeviceBulkWrite(Bytes{b}, "ezusb-1", 0);
  bus.DeviceAbortPipe("ezusb-0", 4);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[2], std::make_pair(1, Write(0, {2})));
  EXPECT_EQ(seen[3], std::make_pair(0, Abort(4)));
  EXPECT_EQ(driver.Events(1), (std::vector<ControllerEvent>{Write(0, {1}), Write(0, {2})}));
  EXPECT_EQ(driver.WriteCount(1), 3u);
}

TEST(LibusbDriver, NumbersDevicesByBusAndPortPath) {
  const std::vector<UsbLocation> locations = {{2, {1}}, {1, {3, 1}}, {1, {}}, {1, {3}}, {2, {}}};
  EXPECT_EQ(NumberUsbDevices(locations), (std::vector<std::size_t>{2, 3, 1, 4, 0}));
  EXPECT_EQ(NumberUsbDevices(std::vector<UsbLocation>(200)).size(), 128u);
}

TEST(LibusbDriver, AbsentDevicesFailQuietly) {
  LibusbDriver driver;
  EXPECT_FALSE(driver.ReadDeviceDescriptor(-1));
  EXPECT_EQ(driver.Open(-1), nullptr);
  EXPECT_EQ(driver.Open(kDeviceNumberCount), nullptr);
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  EXPECT_FALSE(bus.DeviceBulkWrite(Bytes{1}, "ezusb-127", 0));
  for (const auto& name : bus.ScanDevices().driverNames)
    EXPECT_EQ(name.rfind("ezusb-", 0), 0u);
}

}  // namespace
}  // namespace ravix
