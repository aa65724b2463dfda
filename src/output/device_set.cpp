#include "output/device_set.hpp"

#include "output/device_names.hpp"

namespace ravix {

DeviceSet::DeviceSet() : names_(std::make_shared<const Names>()) {}

std::shared_ptr<const DeviceSet::Names> DeviceSet::Current() const {
  std::lock_guard lock(mutex_);
  return names_;
}

void DeviceSet::Change(const std::function<void(Names&)>& change) {
  std::lock_guard lock(mutex_);
  Names names = *names_;
  change(names);
  names_ = std::make_shared<const Names>(std::move(names));
}

void DeviceSet::SetMasterDevice(std::string driverName) {
  Change([&](Names& names) { names.masterDevice = std::move(driverName); });
}

void DeviceSet::SetExtraDevices(std::vector<std::string> displayNames) {
  Change([&](Names& names) {
    names.extraDriverNames.clear();
    for (const auto& display : displayNames) {
      names.extraDriverNames.push_back(DriverNameOfDisplayName(display));
    }
    names.extraDevices = std::move(displayNames);
  });
}

}  // namespace ravix
