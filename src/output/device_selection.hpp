#pragma once

#include <array>
#include <string>
#include <vector>

#include "output/controller_bus.hpp"
#include "output/device_names.hpp"
#include "output/live_state.hpp"

namespace ravix {

inline constexpr const char* kBaseTitle = "Ravix";
inline constexpr const char* kMainWindowCaption = "Main-RAVIX";

// The application title for a master selection: the base title, then "-" and
// the index when a master is selected ("Ravix-0").
std::string ApplicationTitle(const std::string& baseTitle, int masterIndex);

// The state of the main window's device list and of the "Select device"
// window: the found controllers, the master selection, the extra-device list
// and the 128 device boxes. Every change is published to the live DeviceSet.
class DeviceSelection {
 public:
  DeviceSelection(const ControllerBus& bus, LiveState& live, std::string baseTitle = kBaseTitle);

  // The main window's creation: an empty extra list, sending to extra devices
  // off, a scan, and the first found controller as the master.
  void Create();
  // "Detect Device": scans again, keeps the master selection where it can and
  // prunes the extra list to the controllers found.
  void DetectDevice();
  // The 2000 ms timer: while no controller is known, scans and probes the
  // first one found.
  void OnTimer();

  // The master drop-down of the main window and of the selection window.
  void ChooseMaster(int index);
  void ChooseSelectionMaster(int index);

  // The selection window becoming active.
  void ActivateSelectionWindow();
  // "Enable mutiple device".
  void SetMultipleDevices(bool ticked);
  // The box of device `number` ticked or unticked by the user.
  void SetBoxTicked(int number, bool ticked);
  // "All " and "None".
  void TickAll();
  void TickNone();
  // "Reset device": the failure texts to show, one per device.
  std::vector<std::string> ResetDevices() const;

  const FoundDevices& Found() const { return found_; }
  int MasterIndex() const { return masterIndex_; }
  const std::string& Title() const { return title_; }
  const std::string& Caption() const { return caption_; }
  const std::vector<std::string>& ExtraDeviceList() const { return extraList_; }
  bool MultipleDevices() const;
  bool MultipleDevicesAllowed() const { return multipleAllowed_; }
  bool BoxVisible(int number) const { return boxVisible_.at(number); }
  bool BoxTicked(int number) const { return boxTicked_.at(number); }
  bool AllNoneVisible() const { return allNoneVisible_; }

 private:
  std::string MasterDisplayName() const;
  int MasterNumber() const;
  void SelectMaster(int index);
  void ClearMaster();
  void ApplyScan(int rememberedIndex);
  void Prune();
  void ShowBoxes();
  void HideBoxes();
  void PublishExtraDevices();

  const ControllerBus& bus_;
  LiveState& live_;
  const std::string baseTitle_;
  FoundDevices found_;
  int masterIndex_ = -1;
  std::string title_;
  std::string caption_ = kMainWindowCaption;
  std::vector<std::string> extraList_;
  bool multipleAllowed_ = true;
  bool allNoneVisible_ = false;
  std::array<bool, kDeviceNumberCount> boxVisible_{};
  std::array<bool, kDeviceNumberCount> boxTicked_{};
};

}  // namespace ravix
