#include "output/drawing_playback.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "output/frame_capture.hpp"
#include "output/play_types.hpp"
#include "output/simulated_driver.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;

using Lines = std::vector<std::string>;

// (0, 0) white; (128, 128) red, blanked, a vertex; an empty object; (255, 255) black.
const Drawing kDrawing = {{P(0, 0, 0, 1), P(128, 128, 2, 2, 1)}, {}, {P(255, 255, 0, 0)}};
constexpr const char* kFrame = "0f00ffff09037f7f00000000";

Lines Capture(const Drawing& drawing, LiveState& live, std::size_t writes,
              std::atomic<bool>* tick = nullptr) {
  return CapturePlayLoop(kPlayTypeDrawingPlayback, PlayJob{drawing, {}, {}}, live,
                         FrameCaptureOptions{writes, tick});
}

// Runs the loop in this thread on `driver`; `onWrite` sees each write to the
// master with its 1-based count.
void RunWithObserver(SimulatedDriver& driver, LiveState& live, int observed,
                     const std::function<void(std::size_t, const ControllerEvent&)>& onWrite,
                     std::vector<std::string>* status = nullptr) {
  std::size_t count = 0;
  driver.SetObserver([&](int n, const ControllerEvent& e) {
    if (n == observed)
      onWrite(++count, e);
  });
  const ControllerBus bus(driver, std::chrono::microseconds{0});
  PlayJob job{kDrawing, {}, {}};
  if (status)
    job.showStatus = [status](const std::string& text) { status->push_back(text); };
  RunPlayLoop(kPlayTypeDrawingPlayback, PlayContext{live, bus, job});
}

TEST(DrawingPlayback, PlayCopyHalvesLimitsAndNormalisesBlanking) {
  const Drawing editor = {{P(-3, 511, 2, 4, 5), P(3, 256, 300, 9)}, {}};
  const Drawing copy = MakeDrawingPlayCopy(editor);
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_EQ(copy[0], (DrawingObject{P(0, 255, 2, 4, 1), P(1, 128, 300, 9)}));
  EXPECT_TRUE(copy[1].empty());
}

TEST(DrawingPlayback, SendsTheControlMessageThenTheDrawingOverAndOver) {
  LiveState live;
  EXPECT_EQ(Capture(kDrawing, live, 3), (Lines{"6464", kFrame, kFrame}));
  EXPECT_FALSE(live.control.playing);
  LiveState empty;
  EXPECT_EQ(Capture(Drawing{{}}, empty, 3), (Lines{"6464", "", ""}));
}

TEST(FrameCapture, LowersSettingsChangedAndTicksAfterPointData) {
  LiveState live;
  std::atomic<bool> tick{false};
  live.control.settingsChanged = true;
  EXPECT_EQ(Capture(kDrawing, live, 1, &tick), Lines{"6464"});
  EXPECT_TRUE(live.control.settingsChanged);
  EXPECT_FALSE(tick);
  live.control.stopRequested = false;
  EXPECT_EQ(Capture(kDrawing, live, 2, &tick).size(), 2u);
  EXPECT_FALSE(live.control.settingsChanged);
  EXPECT_TRUE(tick);
}

TEST(DrawingPlayback, ScanRateChangeSendsOneControlMessageBeforeTheNextPass) {
  SimulatedDriver driver(1);
  LiveState live;
  live.devices.SetMasterDevice("ezusb-0");
  Lines writes;
  RunWithObserver(driver, live, 0, [&](std::size_t count, const ControllerEvent& e) {
    writes.push_back(LowerHex(e.bytes));
    if (count == 2)
      live.settings.scanRateCode = 50;
    if (count == 5)
      live.control.stopRequested = true;
  });
  EXPECT_EQ(writes, (Lines{"6464", kFrame, "6432", kFrame, kFrame}));
}

TEST(DrawingPlayback, StopDuringAPassEndsBeforeTheNextTransfer) {
  SimulatedDriver driver(1);
  LiveState live;
  live.devices.SetMasterDevice("ezusb-0");
  Lines status;
  RunWithObserver(
      driver, live, 0,
      [&](std::size_t count, const ControllerEvent&) {
        if (count == 2)
          StopPlay(live.control);
      },
      &status);
  EXPECT_EQ(driver.WriteCount(0), 2u);
  EXPECT_EQ(status, Lines{"Over..."});
}

TEST(DrawingPlayback, ControllerThatVanishesIsSkippedAndServedAgainWhenBack) {
  SimulatedDriver driver(2);
  LiveState live;
  live.devices.SetMasterDevice("ezusb-0");
  live.devices.SetExtraDevices({"Usb-1"});
  live.devices.extraDevicesEnabled = true;
  RunWithObserver(driver, live, 1, [&](std::size_t count, const ControllerEvent&) {
    if (count == 4)
      driver.SetPlugged(0, false);  // after the control message and 3 frames
    if (count == 7)
      driver.SetPlugged(0, true);
    if (count == 10)
      live.control.stopRequested = true;
  });
  EXPECT_EQ(driver.WriteCount(1), 10u);
  EXPECT_EQ(driver.WriteCount(0), 7u);  // frames 4 to 6 were lost
  const auto events = driver.Events(0);
  EXPECT_EQ(LowerHex(events.back().bytes), kFrame);
}

}  // namespace
}  // namespace ravix
