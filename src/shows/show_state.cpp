#include "shows/show_state.hpp"

#include <algorithm>

#include "output/device_names.hpp"

namespace ravix {

void ShowState::SetInvertTime(std::string text) {
  std::lock_guard lock(mutex_);
  invertTime_ = std::move(text);
}

std::string ShowState::InvertTime() const {
  std::lock_guard lock(mutex_);
  return invertTime_;
}

void ShowState::SetFoundDevices(std::vector<std::string> driverNames) {
  std::lock_guard lock(mutex_);
  foundDevices_ = std::move(driverNames);
}

std::string ShowState::TrackDevice(std::size_t track) const {
  const std::int32_t choice = tracks[track].deviceChoice.load(std::memory_order_relaxed);
  if (choice < 0)
    return {};
  const std::string name = "ezusb-" + std::to_string(choice);
  std::lock_guard lock(mutex_);
  return std::find(foundDevices_.begin(), foundDevices_.end(), name) != foundDevices_.end()
             ? name
             : std::string();
}

}  // namespace ravix
