#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

#include "output/laser_view.hpp"

namespace ravix {

inline constexpr const char* kLaserViewCaption = "Laser view";

// Shows what one controller's scanner draws: the lit beam of the last moments
// on black, twice the device resolution, fading like a real beam.
class LaserViewWindow : public QWidget {
  Q_OBJECT

 public:
  LaserViewWindow(LaserView& view, const QString& deviceName, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LaserView& view_;
  std::vector<BeamSegment> visible_;
  QTimer refresh_;
};

}  // namespace ravix
