#include "output/ui/laser_view_window.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace ravix {
namespace {

using namespace std::chrono_literals;

TEST(LaserViewWindow, DrawsTheLitBeamAtTwiceTheDeviceResolution) {
  LaserView view(100s);
  LaserViewWindow window(view, "Usb-0");
  EXPECT_EQ(window.windowTitle(), "Laser view Usb-0");
  // Green from (10, 100) to (100, 100), then a dark move to (10, 200).
  const std::vector<std::uint8_t> frame = {1, 0, 10, 100, 5, 0, 100, 100, 5, 1, 10, 200};
  view.Receive(frame, LaserView::Clock::now() - 1s);
  const QImage image = window.grab().toImage();
  EXPECT_EQ(image.size(), QSize(512, 512));
  EXPECT_GT(image.pixelColor(100, 201).green(), 128);
  EXPECT_EQ(image.pixelColor(100, 201).red(), 0);
  EXPECT_EQ(image.pixelColor(111, 301), QColor(0, 0, 0));  // the dark move
}

}  // namespace
}  // namespace ravix
