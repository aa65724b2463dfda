#include "download/lamp_download.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "download/fake_serial_port.hpp"
#include "download/lamp_download_runner.hpp"
#include "download/lamp_test_report.hpp"
#include "download/serial_port_list.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::Box;
using testing::Command;
using testing::RecordedReport;
using Lines = std::vector<std::string>;
using Bytes8 = std::vector<std::uint8_t>;

// Answers the awaited replies in turn as they arrive on the port; nullopt lets
// the wait run into its timeout, which must not come before the fifth tick.
void Drive(LampDownload& download, FakeSerialPort& port,
           const std::vector<std::optional<Bytes8>>& replies) {
  for (const auto& reply : replies) {
    ASSERT_TRUE(download.inProgress());
    if (reply) {
      port.incoming.push_back(*reply);
      download.Poll();
      continue;
    }
    for (int tick = 0; tick < kLampReplyTicks; ++tick)
      download.Tick();
    download.Poll();
    ASSERT_TRUE(download.inProgress()) << "gave up after only four ticks";
    download.Tick();
  }
  EXPECT_FALSE(download.inProgress());
}

class LampDownloadTest : public ::testing::Test {
 protected:
  LampDownloadTest() { testing::WriteText(file, "firmware"); }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "lamp.bin";
  FakeSerialPort port;
  RecordedReport report;
  LampDownload download{port, report};
};

TEST_F(LampDownloadTest, CorrectLampConfirmsBothCommands) {
  download.Start(file, "/dev/ttyUSB0");
  Drive(download, port, {Command(0xA0), Bytes8{0xA4}});
  EXPECT_EQ(report.lines,
            (Lines{kLampSendStart, kLampStartConfirmed, kLampSendErase, kLampEraseConfirmed}));
  EXPECT_TRUE(download.succeeded());
  EXPECT_EQ(port.written, (std::vector{Command(0xA0), Command(0xA4)}));
  EXPECT_EQ(port.openedDevice, "/dev/ttyUSB0");
  EXPECT_EQ(download.fileData(), (Bytes{'f', 'i', 'r', 'm', 'w', 'a', 'r', 'e'}));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.closeCount, 1);
}

TEST_F(LampDownloadTest, EveryFailureReportsItsTextsAndClosesThePort) {
  struct Case {
    const char* name;
    std::size_t failWritesFrom;
    std::vector<std::optional<Bytes8>> replies;
    Lines lines;
  };
  const Case cases[] = {
      {"start write fails", 0, {}, {kLampSendStart, Box(kLampWriteFailed), kLampStartFailed}},
      {"start reply 0xA1",
       SIZE_MAX,
       {Command(0xA1)},
       {kLampSendStart, kLampStartWrongReply, Box(kLampWrongReplyBox)}},
      {"no start reply",
       SIZE_MAX,
       {std::nullopt},
       {kLampSendStart, kLampStartTimeout, Box(kLampTimeoutBox)}},
      {"erase write fails",
       1,
       {Bytes8{0xA0, 1}},
       {kLampSendStart, kLampStartConfirmed, kLampSendErase, kLampEraseFailed,
        Box(kLampWriteFailed)}},
      {"erase reply 0xA0",
       SIZE_MAX,
       {Command(0xA0), Command(0xA0)},
       {kLampSendStart, kLampStartConfirmed, kLampSendErase, kLampEraseWrongReply,
        Box(kLampWrongReplyBox)}},
      {"no erase reply",
       SIZE_MAX,
       {Command(0xA0), std::nullopt},
       {kLampSendStart, kLampStartConfirmed, kLampSendErase, kLampEraseTimeout,
        Box(kLampTimeoutBox)}},
  };
  for (const Case& c : cases) {
    FakeSerialPort casePort;
    casePort.failWritesFrom = c.failWritesFrom;
    RecordedReport caseReport;
    LampDownload caseDownload(casePort, caseReport);
    caseDownload.Start(file, "/dev/ttyS0");
    Drive(caseDownload, casePort, c.replies);
    EXPECT_EQ(caseReport.lines, c.lines) << c.name;
    EXPECT_FALSE(caseDownload.inProgress()) << c.name;
    EXPECT_FALSE(caseDownload.succeeded()) << c.name;
    EXPECT_EQ(casePort.openCount, 1) << c.name;
    EXPECT_EQ(casePort.closeCount, 1) << c.name;
  }
}

TEST_F(LampDownloadTest, MissingFileOrPortStopsBeforeAnyCommand) {
  download.Start(folder / "missing.bin", "/dev/ttyS0");
  EXPECT_EQ(report.lines, Lines{Box(kLampFileMissing)});
  EXPECT_EQ(port.openCount, 0);

  report.lines.clear();
  port.openSucceeds = false;
  download.Start(file, "/dev/ttyS0");
  EXPECT_EQ(report.lines, Lines{Box(kLampPortOpenFailed)});
  EXPECT_TRUE(port.written.empty());
  EXPECT_FALSE(download.inProgress());
}

TEST_F(LampDownloadTest, SecondStartWhileWaitingIsIgnored) {
  ASSERT_TRUE(download.Start(file, "/dev/ttyS0"));
  EXPECT_FALSE(download.Start(file, "/dev/ttyS0"));
  EXPECT_EQ(port.openCount, 1);
  EXPECT_EQ(port.written.size(), 1u);
  // A reply is read 8 bytes at most; what else waits is not the erase reply.
  port.incoming.push_back({0xA0, 0, 0});
  port.incoming.push_back({0, 0, 0, 0, 0, 0xA4, 0xA4});
  download.Poll();
  EXPECT_TRUE(port.incoming.empty());
  EXPECT_TRUE(download.inProgress());
  port.incoming.push_back({0xA4});
  download.Poll();
  EXPECT_TRUE(download.succeeded());
}

TEST_F(LampDownloadTest, RunnerTimesOutAfterMoreThanFourTicks) {
  const auto started = std::chrono::steady_clock::now();
  download.Start(file, "/dev/ttyS0");
  RunLampDownload(download, port, std::chrono::milliseconds(10));
  const auto elapsed = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(report.lines, (Lines{kLampSendStart, kLampStartTimeout, Box(kLampTimeoutBox)}));
  EXPECT_GE(elapsed, std::chrono::milliseconds(50));
  EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPortList, FirstFiveDevicesUsbFirstInNumberOrder) {
  testing::TempFolder sys;
  for (const char* name :
       {"ttyS10", "ttyS2", "ttyUSB1", "ttyACM0", "ttyUSB0", "ttyS0", "ttyS1", "tty0", "ttyUSBx"}) {
    std::filesystem::create_directories(sys / name / "device");
  }
  std::filesystem::create_directories(sys / "ttyS3");  // no device behind it
  const auto ports = FindLampPorts(sys.path(), "/dev");
  ASSERT_EQ(ports.size(), kLampPortCount);
  const Lines expected = {"Com1 (/dev/ttyUSB0)", "Com2 (/dev/ttyUSB1)", "Com3 (/dev/ttyACM0)",
                          "Com4 (/dev/ttyS0)", "Com5 (/dev/ttyS1)"};
  for (std::size_t i = 0; i < ports.size(); ++i)
    EXPECT_EQ(ports[i].Label(), expected[i]);
  EXPECT_TRUE(FindLampPorts(sys / "none").empty());
}

}  // namespace
}  // namespace ravix
