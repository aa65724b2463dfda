#include "output/laser_view.hpp"

#include <gtest/gtest.h>

#include "output/controller_bus.hpp"
#include "output/simulated_laser_views.hpp"

namespace ravix {
namespace {

using namespace std::chrono_literals;
using Clock = LaserView::Clock;
using Bytes = std::vector<std::uint8_t>;

TEST(LaserView, ColourBitsToRedGreenBlue) {
  EXPECT_EQ(BeamColour(0), 0u);
  EXPECT_EQ(BeamColour(8), 0u);  // without bit 0 nothing is lit
  EXPECT_EQ(BeamColour(1 + 8), 0x0000FFu);
  EXPECT_EQ(BeamColour(1 + 4), 0x00FF00u);
  EXPECT_EQ(BeamColour(1 + 2), 0xFF0000u);
  EXPECT_EQ(BeamColour(15), 0xFFFFFFu);
}

TEST(LaserView, DecodesRecordsSkipsDarkMovesAndFades) {
  LaserView view(10ms);
  const Clock::time_point t0{};
  // Scan rate code 200: 12000 points per second, one point per 83333 ns.
  view.Receive(Bytes{100, 200}, t0);
  EXPECT_EQ(view.ScanRateCode(), 200);
  view.Receive(Bytes{0}, t0);        // wake-up byte
  view.Receive(Bytes{9, 0, 10, 20,   // red
                     9, 1, 30, 40,   // blanked: dark move
                     5, 0, 50, 60,   // green
                     0, 0, 70, 80,   // colour off: dark
                     3, 2, 90, 100,  // blue, special point
                     1, 0, 1},       // partial record ignored
               t0);
  std::vector<BeamSegment> visible;
  view.Visible(t0 + 1ms, visible);
  ASSERT_EQ(visible.size(), 2u);
  EXPECT_EQ(visible[0].x0, 30);
  EXPECT_EQ(visible[0].y0, 40);
  EXPECT_EQ(visible[0].x1, 50);
  EXPECT_EQ(visible[0].y1, 60);
  EXPECT_EQ(visible[0].colour, 0x00FF00u);
  EXPECT_EQ(visible[1].x0, 70);
  EXPECT_EQ(visible[1].colour, 0xFF0000u);
  EXPECT_GT(visible[1].intensity, visible[0].intensity);
  EXPECT_LT(visible[0].intensity, 1.0f);

  // Points not yet scanned are not shown: only the first point at t0.
  view.Visible(t0, visible);
  EXPECT_TRUE(visible.empty());
  // After the persistence everything has faded.
  view.Visible(t0 + 20ms, visible);
  EXPECT_TRUE(visible.empty());
}

TEST(LaserView, AWriteIsScannedAfterThePreviousOne) {
  LaserView view(1s);
  const Clock::time_point t0{};
  view.Receive(Bytes{200, 10}, t0);  // 57600 points per second
  Bytes frame;
  for (int i = 0; i < 576; ++i)
    frame.insert(frame.end(), {1, 0, static_cast<std::uint8_t>(i % 256), 0});
  view.Receive(frame, t0);  // scanned over 10 ms
  view.Receive(Bytes{15, 0, 1, 1, 15, 0, 2, 2}, t0);
  std::vector<BeamSegment> visible;
  view.Visible(t0 + 9ms, visible);
  const std::size_t before = visible.size();
  view.Visible(t0 + 10100us, visible);
  EXPECT_GT(visible.size(), before);
  EXPECT_EQ(visible.back().colour, 0xFFFFFFu);
}

TEST(LaserView, OldPointsGiveWayInTheRing) {
  LaserView view(1s, 4);
  Bytes frame;
  for (std::uint8_t i = 0; i < 10; ++i)
    frame.insert(frame.end(), {1, 0, i, i});
  view.Receive(frame, {});
  std::vector<BeamSegment> visible;
  view.Visible(Clock::time_point{} + 1s, visible);
  ASSERT_EQ(visible.size(), 3u);
  EXPECT_EQ(visible.front().x0, 6);
  EXPECT_EQ(visible.back().x1, 9);
}

TEST(SimulatedLaserViews, EachControllerFeedsItsOwnView) {
  SimulatedDriver driver(2);
  SimulatedLaserViews views(driver, 2);
  ControllerBus bus(driver, 0us);
  bus.DeviceBulkWrite(Bytes{5, 200}, "ezusb-1", 0);
  EXPECT_EQ(views.View(1).ScanRateCode(), 200);
  EXPECT_EQ(views.View(0).ScanRateCode(), 100);
}

}  // namespace
}  // namespace ravix
