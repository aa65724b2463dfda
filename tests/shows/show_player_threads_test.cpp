#include "shows/show_player.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "drawing/frame_list_file.hpp"
#include "output/simulated_driver.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using namespace std::chrono_literals;
using testing::P;
using testing::TempFolder;
using testing::WriteText;

// A workspace, two simulated controllers, and a show player whose timers the
// test fires by hand. Each clock firing waits until every running track took
// its time tick, so no tick is lost and the counts are exact.
class ShowPlayerTest : public ::testing::Test {
 protected:
  ShowPlayerTest() : driver_(2), bus_(driver_, 100us) {
    driver_.SetObserver([this](int number, const ControllerEvent& e) {
      if (e.kind != ControllerEvent::Kind::kBulkWrite)
        return;
      std::lock_guard lock(mutex_);
      auto& writes = writes_[static_cast<std::size_t>(number)];
      if (writes.empty() || writes.back() != e.bytes)
        writes.push_back(e.bytes);
    });
    for (const char* folder : {kSectionFolder, kFramesFolder, kSequenceFolder, kMusicFolder})
      std::filesystem::create_directories(workspace_.Folder(folder));
    show_.SetFoundDevices({"ezusb-0", "ezusb-1"});
    show_.tracks[0].deviceChoice = 0;
    show_.tracks[1].deviceChoice = 1;
    show_.tracks[2].deviceChoice = 5;  // not found: writes go nowhere
  }

  ShowPlayer& Player() {
    if (!player_) {
      player_.emplace(live_, bus_, show_, workspace_, std::nullopt, [this](const std::string& m) {
        std::lock_guard lock(mutex_);
        messages_.push_back(m);
      });
    }
    return *player_;
  }

  std::vector<std::string> Messages() {
    std::lock_guard lock(mutex_);
    return messages_;
  }

  void WriteShow(const std::string& tracks) {
    WriteText(workspace_.File(kSequenceFolder, "show.seq"), tracks);
  }
  Status Play() { return Player().PlayShow(workspace_.File(kSequenceFolder, "show.seq")); }

  // One clock firing and one display firing; false once no track runs.
  bool Tick() {
    Player().ClockFire();
    for (ShowTrackState& track : show_.tracks) {
      const auto deadline = std::chrono::steady_clock::now() + 2s;
      while (track.busy && track.timeTick && std::chrono::steady_clock::now() < deadline) {
        Player().DisplayFire();
        std::this_thread::sleep_for(100us);
      }
    }
    if (Player().DisplayEnabled())
      Player().DisplayFire();
    return Player().DisplayEnabled();
  }

  // Ticks until the show ended; the number of ticks it took.
  int TicksUntilOver(int limit = 2000) {
    int ticks = 0;
    while (ticks < limit && Tick())
      ++ticks;
    return ticks;
  }

  // The bulk writes a controller received, repeats of the same write as one.
  std::vector<std::vector<std::uint8_t>> Writes(int device) {
    std::lock_guard lock(mutex_);
    return writes_[static_cast<std::size_t>(device)];
  }

  TempFolder folder_;
  Workspace workspace_{folder_.path()};
  LiveState live_;
  SimulatedDriver driver_;
  ControllerBus bus_;
  ShowState show_;
  std::mutex mutex_;
  std::vector<std::string> messages_;
  std::array<std::vector<std::vector<std::uint8_t>>, 2> writes_;
  std::optional<ShowPlayer> player_;
};

TEST_F(ShowPlayerTest, PausesMissingContentAndEmptyTracksEndTheShow) {
  WriteShow(
      "[Music]\r\n\r\n[Track1]\r\nwait|5\r\nmissing.sec|3\r\n[Track2]\r\n[Track3]\r\n"
      "gone.ilf|2\r\n");
  ASSERT_TRUE(Play());
  EXPECT_TRUE(Player().ClockEnabled());
  const int ticks = TicksUntilOver();
  // The longest track ends with its 5 + 3 = 8th tick (the display may see it
  // one tick later).
  EXPECT_GE(ticks + 1, 8);
  EXPECT_LE(ticks + 1, 9);
  EXPECT_FALSE(Player().ClockEnabled());
  EXPECT_TRUE(live_.control.stopRequested) << "not looping: the show is over";
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{kShowReadingText, kShowBeginText, kShowOverText}));
  // The frame list without frames sent its control message to no controller.
  EXPECT_TRUE(Writes(0).empty());
  Player().LoopFire(std::chrono::steady_clock::now());
  EXPECT_FALSE(Player().LoopEnabled());
}

TEST_F(ShowPlayerTest, SegmentAndFrameListTracksGoToTheirOwnControllers) {
  WriteText(workspace_.File(kSectionFolder, "seg.sec"),
            "[SectionContent]\r\n0|3|Drift|257|\r\n[DrawingList]\r\nDrawingName=0\r\n"
            "10,10,0,4,0,0|20,10,0,4,0,128|\r\n[EffectList]\r\nEffectName=Drift\r\nhb:191\r\n");
  FrameList frames;
  for (int f = 0; f < 48; ++f)
    frames.push_back({{P(f, 0)}});
  ASSERT_TRUE(FrameListWrite(workspace_.File(kFramesFolder, "anim.ilf"), frames));
  WriteShow("[Music]\r\n\r\n[Track1]\r\nseg.sec|40\r\n[Track2]\r\nanim.ilf|48\r\n[Track3]\r\n");
  ASSERT_TRUE(Play());
  TicksUntilOver();

  const auto segment = Writes(0);
  ASSERT_GE(segment.size(), 4u);
  EXPECT_EQ(segment[0], (std::vector<std::uint8_t>{100, 100})) << "control message at row start";
  // hb:191 moves at every point; the step counters run on across passes.
  EXPECT_EQ(segment[1], (std::vector<std::uint8_t>{5, 0, 244, 245, 5, 0, 233, 245}));
  // Control messages and frames; a frame cut short when the row time ran out
  // while it was built is still sent.
  for (const auto& write : segment)
    EXPECT_TRUE(write.size() == 2 || write.size() == 4 || write.size() == 8) << write.size();

  // Each frame shows for two frame ticks, so 48 ticks show the first 24 or so.
  std::set<std::uint8_t> shown;
  for (const auto& write : Writes(1)) {
    if (write.size() == 4)
      shown.insert(write[2]);
  }
  EXPECT_GE(shown.size(), 22u);
  EXPECT_LE(shown.size(), 25u);
  EXPECT_EQ(*shown.begin(), 0);
  EXPECT_EQ(*shown.rbegin(), shown.size() - 1) << "in order, none skipped";
}

TEST_F(ShowPlayerTest, AnInvertTimeThatIsNoNumberIsReportedAndTheShowStillEnds) {
  ASSERT_TRUE(FrameListWrite(workspace_.File(kFramesFolder, "anim.ilf"), {{{P(1, 1)}}}));
  WriteShow("[Music]\r\n\r\n[Track1]\r\nanim.ilf|50\r\n[Track2]\r\nwait|3\r\n[Track3]\r\n");
  show_.SetInvertTime("2x");
  ASSERT_TRUE(Play());
  EXPECT_LE(TicksUntilOver(), 5);
  const auto messages = Messages();
  EXPECT_NE(std::find(messages.begin(), messages.end(), "'2x' is not a valid integer value"),
            messages.end());
  EXPECT_EQ(messages.back(), kShowOverText);
}

TEST_F(ShowPlayerTest, PausedTracksHoldTheirTime) {
  WriteShow("[Music]\r\n\r\n[Track1]\r\nwait|3\r\n[Track2]\r\n[Track3]\r\n");
  ASSERT_TRUE(Play());
  live_.control.paused = true;
  for (int i = 0; i < 10; ++i)
    ASSERT_TRUE(Tick());
  EXPECT_EQ(show_.tracks[0].elapsed, 0);
  live_.control.paused = false;
  EXPECT_LE(TicksUntilOver(), 5);
}

TEST_F(ShowPlayerTest, LoopRestartsAfterTheDelayUnlessStopped) {
  WriteShow("[Music]\r\n\r\n[Track1]\r\nwait|2\r\n[Track2]\r\n[Track3]\r\n");
  live_.control.loopPlay = true;
  ASSERT_TRUE(Play());
  TicksUntilOver();
  EXPECT_FALSE(live_.control.stopRequested) << "looping: the loop timer restarts it";
  const auto now = std::chrono::steady_clock::now();
  Player().LoopFire(now);
  Player().LoopFire(now + 1s);
  EXPECT_FALSE(Player().AnyTrackBusy());
  Player().LoopFire(now + ShowPlayer::kRestartDelay);
  EXPECT_TRUE(Player().ClockEnabled()) << "started again";
  TicksUntilOver();

  Player().LoopFire(now + 10s);
  Player().Stop();  // during the restart delay
  Player().LoopFire(now + 20s);
  EXPECT_FALSE(Player().LoopEnabled());
  EXPECT_FALSE(Player().ClockEnabled());
}

TEST_F(ShowPlayerTest, MusicStartsOnceAndEndsWithTheShowOrTheStop) {
  const auto script = folder_ / "player.sh";
  WriteText(script, "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/arg.txt\"\nexec sleep 60\n");
  chmod(script.c_str(), 0755);
  live_.settings.SetMediaPlayerPath(script.string());
  WriteText(workspace_.File(kMusicFolder, "my song.mp3"), "x");
  WriteShow("[Music]\r\nC:\\music\\my song.mp3\r\n[Track1]\r\nwait|3\r\n[Track2]\r\n[Track3]\r\n");
  ASSERT_TRUE(Play());
  const pid_t music = live_.control.musicProcess;
  ASSERT_GT(music, 0) << "the file of that name in the Music folder";
  TicksUntilOver();
  EXPECT_EQ(live_.control.musicProcess, 0);
  EXPECT_EQ(kill(music, 0), -1);

  ASSERT_TRUE(Play());
  const pid_t again = live_.control.musicProcess;
  ASSERT_GT(again, 0);
  Player().Stop();
  EXPECT_EQ(kill(again, 0), -1);
  EXPECT_EQ(errno, ESRCH);
  TicksUntilOver();
}

TEST(ShowState, TrackDevicesAreTheFoundControllersOnly) {
  ShowState show;
  show.SetFoundDevices({"ezusb-0", "ezusb-3"});
  show.tracks[0].deviceChoice = 3;
  show.tracks[1].deviceChoice = 1;
  EXPECT_EQ(show.TrackDevice(0), "ezusb-3");
  EXPECT_EQ(show.TrackDevice(1), "");
  EXPECT_EQ(show.TrackDevice(2), "");
}

}  // namespace
}  // namespace ravix
