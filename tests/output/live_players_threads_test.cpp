#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "output/frame_capture.hpp"
#include "output/play_host.hpp"
#include "output/quick_pages_player.hpp"
#include "output/quick_play_model.hpp"
#include "output/quick_play_timers.hpp"
#include "output/quick_player.hpp"
#include "output/quick_segment_play.hpp"
#include "output/rolling_text_player.hpp"
#include "output/simulated_driver.hpp"
#include "support/fake_glyph_source.hpp"
#include "support/points.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using namespace std::chrono_literals;
using testing::P;

// Counts the point data writes the master receives, across threads.
struct Rig {
  Rig() {
    live.devices.SetMasterDevice("ezusb-0");
    driver.SetObserver([this](int, const ControllerEvent& e) {
      std::lock_guard lock(mutex);
      if (e.bytes.size() != 2)
        ++frames;
      last = LowerHex(e.bytes);
      changed.notify_all();
    });
  }
  bool WaitForFrames(int more) {
    std::unique_lock lock(mutex);
    const int target = frames + more;
    return changed.wait_for(lock, 10s, [&] { return frames >= target; });
  }
  int Frames() {
    std::lock_guard lock(mutex);
    return frames;
  }
  std::string Last() {
    std::lock_guard lock(mutex);
    return last;
  }

  std::mutex mutex;
  std::condition_variable changed;
  int frames = 0;
  std::string last;
  SimulatedDriver driver{1};
  ControllerBus bus{driver, 200us};
  LiveState live;
};

// The window's timer, on its own thread: raises `tick` every millisecond.
class TickThread {
 public:
  explicit TickThread(std::atomic<bool>& tick)
      : thread_([&tick](std::stop_token stop) {
          while (!stop.stop_requested()) {
            tick.store(true, std::memory_order_relaxed);
            std::this_thread::sleep_for(1ms);
          }
        }) {}

 private:
  std::jthread thread_;
};

TEST(LivePlayers, QuickPlaySlidersMovedWhilePlayingReachTheOutput) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  auto job = std::make_shared<QuickPlayJob>();
  job->drawing = {{P(10, 10, 0, 1)}};
  job->channel = std::make_shared<QuickPlayChannel>();
  std::vector<std::string> status;
  ASSERT_TRUE(StartQuickPlay(host, rig.live, job, kPlayTypeQuickDrawing, {},
                             [&](const std::string& s) { status.push_back(s); }));
  EXPECT_EQ(status, (std::vector<std::string>{kQuickDrawingStartText}));
  ASSERT_TRUE(rig.WaitForFrames(2));
  EXPECT_EQ(rig.Last(), "0f000a0a");
  job->channel->Slider(QuickSlider::kHorizontalMove) = 1;  // moves x down by 4
  ASSERT_TRUE(rig.WaitForFrames(3));
  EXPECT_EQ(rig.Last(), "0f00060a");
  ASSERT_TRUE(host.StopAndWait());
  const QuickPreviewFiring end = FireQuickPreview(QuickPlayMode::kDrawing, rig.live, 100ms, {});
  EXPECT_FALSE(end.again);
  EXPECT_STREQ(end.endMessage, kQuickDrawingOverText);
}

TEST(LivePlayers, QuickPlaySegmentModeRunsTheSegmentPlayerOnTheWindowsValues) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  QuickPlayChannel quick;
  quick.colourMode = 2;  // red for every lit point
  quick.point = true;
  auto segment = std::make_shared<SegmentPlayChannel>();
  TSectionRecord row;
  row.drawingKey = "0";
  row.time = 1000;
  row.effectName = "null";
  row.colour = kColourModeAuto;
  row.objects = {{P(10, 10, 0, 4)}};
  PlayButtons buttons;
  buttons.loop = true;
  ASSERT_TRUE(StartQuickSegmentPlay(host, rig.live, {row}, quick, segment, buttons));
  EXPECT_EQ(segment->selectedColour, 2);
  EXPECT_TRUE(segment->pointOverride);
  {
    TickThread timer(segment->tick);
    // The preview timer hands each frame back to the player.
    std::jthread preview([&](std::stop_token stop) {
      while (!stop.stop_requested()) {
        FireQuickPreview(QuickPlayMode::kSegment, rig.live, 10ms, {});
        std::this_thread::sleep_for(1ms);
      }
    });
    ASSERT_TRUE(rig.WaitForFrames(5));
  }
  ASSERT_TRUE(host.StopAndWait());
  EXPECT_FALSE(rig.live.control.playing);
}

TEST(LivePlayers, QuickPlayModelPlaysTheCurrentFileOfItsMode) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  testing::TempFolder root;
  std::filesystem::create_directories(root.path() / kDrawingFolder);
  testing::WriteBytes(root.path() / kDrawingFolder / "a.ddr", Bytes{7, 9, 0, 4, 0});
  QuickPlayModel model{Workspace(root.path())};
  model.mode = QuickPlayMode::kIlda;
  ASSERT_TRUE(model.Play(host, rig.live, {}, {}).ok());  // no ILDA file: nothing starts
  EXPECT_FALSE(host.Running());
  model.ClickThumbnail(0);
  ASSERT_TRUE(model.Play(host, rig.live, {}, {}).ok());
  ASSERT_TRUE(rig.WaitForFrames(2));
  EXPECT_EQ(rig.Last(), "05000709");
  ASSERT_TRUE(model.playing());
  EXPECT_EQ(model.playing()->drawing.size(), 1u);
  ASSERT_TRUE(host.StopAndWait());
}

TEST(LivePlayers, QuickIldaPlayRunsThroughOnTheFrameTimer) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  TILDAimage image;
  image.frames.resize(3);
  for (TILDAframe& frame : image.frames)
    frame.points = {P(0, 0, 0, 1)};
  auto job = std::make_shared<QuickPlayJob>();
  job->frames = MakeQuickIldaCopy(image);
  job->channel = std::make_shared<QuickPlayChannel>();
  ASSERT_TRUE(StartQuickPlay(host, rig.live, job, kPlayTypeQuickIlda, {}, {}));
  {
    TickThread timer(job->channel->frameTick);
    for (int i = 0; i < 2000 && host.Running(); ++i)
      std::this_thread::sleep_for(5ms);
  }
  // Without loop the play has ended by itself after the last frame.
  EXPECT_FALSE(host.Running());
  EXPECT_FALSE(rig.live.control.playing);
  EXPECT_GE(rig.Frames(), 3);
}

TEST(LivePlayers, PagePlayLoopsUntilStopped) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  testing::TempFolder folder;
  testing::WriteText(folder / "a.ilf",
                     "[DrawingList]\r\nDrawingName=0\r\n1,1,0,4,0,128|\r\n"
                     "DrawingName=1\r\n2,2,0,4,0,128|\r\n");
  auto channel = std::make_shared<PagesPlayChannel>();
  std::shared_ptr<const FrameList> frames;
  std::vector<std::string> messages;
  PlayButtons buttons;
  buttons.loop = true;
  ASSERT_TRUE(StartPagesPlay(host, rig.live, folder / "a.ilf", channel, buttons, frames,
                             [&](const std::string& m) { messages.push_back(m); }));
  ASSERT_TRUE(frames);
  EXPECT_EQ(frames->size(), 2u);
  EXPECT_EQ(messages, (std::vector<std::string>{kPagesPlayStartText}));
  {
    TickThread timer(channel->segmentTick);
    ASSERT_TRUE(rig.WaitForFrames(30));
    for (int i = 0; i < 20; ++i)
      FirePagesDisplay(rig.live, *channel);
  }
  ASSERT_TRUE(host.StopAndWait());
  EXPECT_FALSE(FirePagesDisplay(rig.live, *channel).again);
}

TEST(LivePlayers, RollingTextReadsItsParametersWhilePlaying) {
  Rig rig;
  PlayHost host(rig.live, rig.bus);
  testing::FakeGlyphSource font;
  font.reference = GlyphMetrics{128, 0, 0};
  font.glyphs['A'] = {{{10, 10}, {}}};
  auto quick = std::make_shared<QuickPlayChannel>();
  auto text = std::make_shared<RollingTextChannel>();
  const std::vector<std::string> lines = {"AAAA"};
  PlayButtons buttons;
  buttons.loop = true;
  ASSERT_TRUE(StartTextPlay(host, rig.live, lines, font, quick, text, false, buttons, {}));
  {
    TickThread timer(quick->frameTick);
    ASSERT_TRUE(rig.WaitForFrames(20));
    EXPECT_TRUE(rig.live.control.settingsChanged);  // each frame announced to the preview
    text->rollStep = 40;
    text->windowCount = 2;
    ASSERT_TRUE(rig.WaitForFrames(20));
    EXPECT_FALSE(quick->TextFrame().empty());
  }
  ASSERT_TRUE(host.StopAndWait());
  ASSERT_TRUE(StartTextPlay(host, rig.live, lines, font, quick, text, true, buttons, {}));
  {
    TickThread timer(quick->frameTick);
    ASSERT_TRUE(rig.WaitForFrames(20));
  }
  ASSERT_TRUE(host.StopAndWait());
  EXPECT_FALSE(rig.live.control.playing);
}

}  // namespace
}  // namespace ravix
