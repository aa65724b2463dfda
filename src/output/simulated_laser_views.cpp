#include "output/simulated_laser_views.hpp"

namespace ravix {

SimulatedLaserViews::SimulatedLaserViews(SimulatedDriver& driver, int count) : driver_(driver) {
  for (int n = 0; n < count; ++n)
    views_.push_back(std::make_unique<LaserView>());
  driver_.SetObserver([this](int number, const ControllerEvent& event) {
    if (event.kind == ControllerEvent::Kind::kBulkWrite && number < size())
      views_[number]->Receive(event.bytes, LaserView::Clock::now());
  });
}

SimulatedLaserViews::~SimulatedLaserViews() {
  driver_.SetObserver(nullptr);
}

}  // namespace ravix
