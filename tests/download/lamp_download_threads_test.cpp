#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "download/lamp_download.hpp"
#include "download/lamp_download_runner.hpp"
#include "download/lamp_test_report.hpp"
#include "download/termios_serial_port.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::Box;
using testing::Command;
using testing::RecordedReport;
using Lines = std::vector<std::string>;
using Reply = std::optional<Bytes>;

// A lamp on the master side of a pseudo-terminal, in its own thread: every
// 8-byte command it receives is answered with the next scripted reply
// (nullopt: it stays silent). It stops when the port side hangs up, or after
// ten seconds at the latest.
class SimulatedLamp {
 public:
  explicit SimulatedLamp(std::vector<Reply> replies) : replies_(std::move(replies)) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::array<char, 128> name{};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name.data(), name.size()) != 0) {
      ADD_FAILURE() << "no pseudo-terminal";
      return;
    }
    device_ = name.data();
    thread_ = std::jthread([this] { Serve(); });
  }
  ~SimulatedLamp() {
    Join();
    if (master_ >= 0)
      ::close(master_);
  }

  const std::string& device() const { return device_; }
  void Join() {
    if (thread_.joinable())
      thread_.join();
  }
  // Valid after Join.
  const std::vector<Bytes>& commands() const { return commands_; }
  bool sawHangUp() const { return hungUp_; }

 private:
  void Serve() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    Bytes pending;
    std::size_t next = 0;
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd waitFor{master_, POLLIN, 0};
      if (::poll(&waitFor, 1, 50) <= 0)
        continue;
      std::array<std::uint8_t, 64> chunk{};
      const ssize_t n = ::read(master_, chunk.data(), chunk.size());
      if (n < 0 && errno == EIO) {
        hungUp_ = true;
        return;
      }
      if (n <= 0)
        continue;
      pending.insert(pending.end(), chunk.begin(), chunk.begin() + n);
      while (pending.size() >= kLampMessageBytes) {
        commands_.emplace_back(pending.begin(), pending.begin() + kLampMessageBytes);
        pending.erase(pending.begin(), pending.begin() + kLampMessageBytes);
        if (next < replies_.size() && replies_[next]) {
          EXPECT_EQ(::write(master_, replies_[next]->data(), replies_[next]->size()),
                    static_cast<ssize_t>(replies_[next]->size()));
        }
        ++next;
      }
    }
  }

  std::vector<Reply> replies_;
  int master_ = -1;
  std::string device_;
  std::vector<Bytes> commands_;
  bool hungUp_ = false;
  std::jthread thread_;
};

const Lines kConfirmedLines = {kLampSendStart, kLampStartConfirmed, kLampSendErase,
                               kLampEraseConfirmed};
const Lines kWrongStartLines = {kLampSendStart, kLampStartWrongReply, Box(kLampWrongReplyBox)};

class LampOnPseudoTerminal : public ::testing::Test {
 protected:
  LampOnPseudoTerminal() { testing::WriteText(file, "lamp data"); }

  Lines Download(SimulatedLamp& lamp) {
    TermiosSerialPort port;
    RecordedReport report;
    LampDownload download(port, report);
    download.Start(file, lamp.device());
    RunLampDownload(download, port);
    EXPECT_FALSE(port.IsOpen());
    succeeded = download.succeeded();
    lamp.Join();
    EXPECT_TRUE(lamp.sawHangUp()) << "the port was left open";
    return report.lines;
  }

  testing::TempFolder folder;
  std::filesystem::path file = folder / "lamp.bin";
  bool succeeded = false;
};

TEST_F(LampOnPseudoTerminal, CorrectLampAndShortRepliesConfirmTheErase) {
  for (const auto& replies : {std::vector<Reply>{Command(0xA0), Command(0xA4)},
                              std::vector<Reply>{Bytes{0xA0}, Bytes{0xA4, 9, 9}}}) {
    SimulatedLamp lamp(replies);
    EXPECT_EQ(Download(lamp), kConfirmedLines);
    EXPECT_TRUE(succeeded);
    EXPECT_EQ(lamp.commands(), (std::vector{Command(0xA0), Command(0xA4)}));
  }
}

TEST_F(LampOnPseudoTerminal, LampAnsweringA1StopsAfterTheStartCommand) {
  SimulatedLamp lamp({Command(0xA1)});
  EXPECT_EQ(Download(lamp), kWrongStartLines);
  EXPECT_FALSE(succeeded);
  EXPECT_EQ(lamp.commands(), std::vector<Bytes>{Command(0xA0)});
}

TEST_F(LampOnPseudoTerminal, SilentLampTimesOutAfterAboutFiveSeconds) {
  SimulatedLamp lamp({std::nullopt});
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Download(lamp), (Lines{kLampSendStart, kLampStartTimeout, Box(kLampTimeoutBox)}));
  const auto elapsed = std::chrono::steady_clock::now() - started;
  EXPECT_GE(elapsed, std::chrono::milliseconds(4900));
  EXPECT_LT(elapsed, std::chrono::milliseconds(7000));
  EXPECT_FALSE(succeeded);
}

TEST_F(LampOnPseudoTerminal, CliPrintsTheMessagesAndBoxes) {
  if (std::string(RAVIX_CLI_PATH).empty())
    GTEST_SKIP() << "ravix-cli is not built here";
  struct Case {
    std::vector<Reply> replies;
    Lines lines;
    int exitCode;
  };
  const Case cases[] = {
      {{Command(0xA0), Command(0xA4)}, kConfirmedLines, 0},
      {{Bytes{0xA0, 1}, Bytes{0xA4}}, kConfirmedLines, 0},
      {{Command(0xA1)}, kWrongStartLines, 1},
  };
  for (const Case& c : cases) {
    SimulatedLamp lamp(c.replies);
    const testing::CliRun run =
        testing::RunCli({"lamp-download", file.string(), "--port", lamp.device()});
    std::string expected;
    for (const std::string& line : c.lines)
      expected += line + "\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    lamp.Join();
    EXPECT_TRUE(lamp.sawHangUp());
  }
}

}  // namespace
}  // namespace ravix
