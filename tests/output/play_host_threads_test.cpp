#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "output/drawing_playback.hpp"
#include "output/frame_capture.hpp"
#include "output/play_host.hpp"
#include "output/play_types.hpp"
#include "output/simulated_driver.hpp"
#include "support/points.hpp"

extern char** environ;

namespace ravix {
namespace {

using testing::P;

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// Status texts and master writes, in the order they happened, across threads.
class Journal {
 public:
  void Add(std::string entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
    changed_.notify_all();
  }
  bool WaitFor(const std::function<bool(const Lines&)>& done) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, 10s, [&] { return done(entries_); });
  }
  Lines Entries() {
    std::lock_guard lock(mutex_);
    return entries_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  Lines entries_;
};

std::size_t Count(const Lines& lines, const std::string& entry) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), entry));
}

struct Rig {
  Rig() {
    live.devices.SetMasterDevice("ezusb-0");
    driver.SetObserver([this](int, const ControllerEvent& e) { journal.Add(LowerHex(e.bytes)); });
  }
  std::function<void(const std::string&)> Status() {
    return [this](const std::string& text) { journal.Add(text); };
  }
  Journal journal;
  SimulatedDriver driver{1};
  ControllerBus bus{driver, 200us};
  LiveState live;
};

// Drawing editor coordinates: (20, 20) and (40, 40) become (10, 10) and (20, 20).
const Drawing kFirst = {{P(20, 20, 0, 1)}};
const Drawing kSecond = {{P(40, 40, 0, 1)}};
const std::string kFirstFrame = "0f00f5f5";
const std::string kSecondFrame = "0f0014eb";  // played with invertX

TEST(PlayHost, PressingPlayTwiceLeavesOneLoopRunning) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  ASSERT_TRUE(StartDrawingPlayback(host, rig.live, kFirst, false, false, rig.Status()));
  ASSERT_TRUE(rig.journal.WaitFor([](const Lines& l) { return Count(l, kFirstFrame) >= 2; }));
  ASSERT_TRUE(StartDrawingPlayback(host, rig.live, kSecond, true, false, rig.Status()));
  ASSERT_TRUE(rig.journal.WaitFor([](const Lines& l) { return Count(l, kSecondFrame) >= 3; }));
  EXPECT_TRUE(rig.live.settings.invertX);
  EXPECT_TRUE(host.Running());
  ASSERT_TRUE(host.StopAndWait());
  EXPECT_FALSE(host.Running());
  EXPECT_FALSE(rig.live.control.playing);

  // The first loop said "Over..." before the second started; after the second
  // control message, every frame is the second drawing.
  const Lines entries = rig.journal.Entries();
  const auto secondStart =
      std::find(entries.begin() + 1, entries.end(), std::string(kDrawingPlayStartText));
  ASSERT_NE(secondStart, entries.end());
  EXPECT_EQ(Lines(entries.begin(), entries.begin() + 2), (Lines{kDrawingPlayStartText, "6464"}));
  for (auto it = entries.begin() + 2; it != secondStart - 1; ++it)
    EXPECT_EQ(*it, kFirstFrame);
  EXPECT_EQ(*(secondStart - 1), "Over...");
  EXPECT_EQ(*(secondStart + 1), "6464");
  for (auto it = secondStart + 2; it != entries.end() - 1; ++it)
    EXPECT_EQ(*it, kSecondFrame);
  EXPECT_EQ(entries.back(), "Over...");
}

TEST(PlayHost, EmptyDrawingStopsTheRunningPlayAndStartsNothing) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  ASSERT_TRUE(StartDrawingPlayback(host, rig.live, kFirst, false, false, rig.Status()));
  ASSERT_TRUE(StartDrawingPlayback(host, rig.live, Drawing{}, false, false, rig.Status()));
  EXPECT_FALSE(host.Running());
  const Lines entries = rig.journal.Entries();
  EXPECT_EQ(entries.back(), "Over...");
  EXPECT_EQ(Count(entries, kDrawingPlayStartText), 1u);
}

TEST(PlayHost, SettingsWrittenWhilePlayingReachTheOutput) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  ASSERT_TRUE(StartDrawingPlayback(host, rig.live, kFirst, false, false, rig.Status()));
  rig.live.settings.offsetX = 10;
  rig.live.settings.scanRateCode = 60;
  ASSERT_TRUE(rig.journal.WaitFor(
      [](const Lines& l) { return Count(l, "643c") == 1 && Count(l, "0f00ebf5") >= 1; }));
  host.StopAndWait();
}

TEST(PlayHost, StartFailsWhenTheRunningLoopDoesNotEndInTime) {
  SimulatedDriver driver(1, /*paceWrites=*/true);
  const ControllerBus bus(driver, 0us);
  LiveState live;
  live.devices.SetMasterDevice("ezusb-0");
  live.settings.scanRateCode = 230;                    // 4800 points per second
  Drawing big(1, DrawingObject(1200, P(1, 1, 0, 1)));  // a quarter of a second per frame
  PlayHost host(live, bus, 20ms);
  ASSERT_TRUE(host.StartPlay(kPlayTypeDrawingPlayback, PlayJob{std::move(big), {}, {}}));
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(host.StartPlay(kPlayTypeDrawingPlayback, PlayJob{kFirst, {}, {}}));
  EXPECT_TRUE(host.Running());
  // Destruction waits for the loop however long it takes.
}

TEST(PlayHost, UnknownPlayTypesEndAtOnce) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  for (std::uint8_t type : {0, 1, 11, 255}) {
    ASSERT_TRUE(host.StartPlay(type, PlayJob{kFirst, {}, {}}));
    ASSERT_TRUE(host.StopAndWait());
  }
  EXPECT_TRUE(rig.journal.Entries().empty());
}

TEST(PlayControl, StopPlayEndsTheMusicProcess) {
  PlayControl control;
  pid_t pid = 0;
  const char* argv[] = {"sleep", "30", nullptr};
  ASSERT_EQ(posix_spawnp(&pid, "sleep", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  control.musicProcess = pid;
  StopPlay(control);
  EXPECT_TRUE(control.stopRequested);
  EXPECT_EQ(control.musicProcess, 0);
  EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1);  // already reaped
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace ravix
