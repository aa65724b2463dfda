#pragma once

#include <memory>
#include <vector>

#include "output/laser_view.hpp"
#include "output/simulated_driver.hpp"

namespace ravix {

// One laser view per simulated controller, fed with every bulk write that
// controller receives. Detaches from the driver when destroyed.
class SimulatedLaserViews {
 public:
  SimulatedLaserViews(SimulatedDriver& driver, int count);
  ~SimulatedLaserViews();
  SimulatedLaserViews(const SimulatedLaserViews&) = delete;
  SimulatedLaserViews& operator=(const SimulatedLaserViews&) = delete;

  int size() const { return static_cast<int>(views_.size()); }
  LaserView& View(int number) { return *views_.at(number); }

 private:
  SimulatedDriver& driver_;
  std::vector<std::unique_ptr<LaserView>> views_;
};

}  // namespace ravix
