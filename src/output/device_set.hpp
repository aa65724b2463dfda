#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ravix {

// The controllers every player sends to: the master and, when enabled, the
// extra devices. Names are published as immutable snapshots.
class DeviceSet {
 public:
  struct Names {
    std::string masterDevice;                   // driver name, empty when none is known
    std::vector<std::string> extraDevices;      // display names, in the order added
    std::vector<std::string> extraDriverNames;  // the same, as players address them
  };

  DeviceSet();

  std::atomic<bool> extraDevicesEnabled{false};

  std::string MasterDevice() const { return Current()->masterDevice; }
  std::vector<std::string> ExtraDevices() const { return Current()->extraDevices; }
  void SetMasterDevice(std::string driverName);
  void SetExtraDevices(std::vector<std::string> displayNames);

  // The names as they are now; later changes publish a new snapshot.
  std::shared_ptr<const Names> Current() const;

 private:
  void Change(const std::function<void(Names&)>& change);

  mutable std::mutex mutex_;
  std::shared_ptr<const Names> names_;
};

}  // namespace ravix
