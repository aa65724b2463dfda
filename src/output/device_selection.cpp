#include "output/device_selection.hpp"

#include <algorithm>

#include "core/text_lines.hpp"
#include "output/device_reset.hpp"
#include "output/late_connection_probe.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string ApplicationTitle(const std::string& baseTitle, int masterIndex) {
  if (masterIndex < 0)
    return baseTitle;
  return baseTitle + "-" + std::to_string(masterIndex);
}

DeviceSelection::DeviceSelection(const ControllerBus& bus, LiveState& live, std::string baseTitle)
    : bus_(bus), live_(live), baseTitle_(std::move(baseTitle)), title_(baseTitle_) {}

void DeviceSelection::Create() {
  extraList_.clear();
  live_.devices.extraDevicesEnabled.store(false, kRelaxed);
  PublishExtraDevices();
  found_ = bus_.ScanDevices();
  if (found_.empty()) {
    masterIndex_ = -1;
    live_.devices.SetMasterDevice({});
    title_ = baseTitle_;
    return;
  }
  SelectMaster(0);
}

void DeviceSelection::DetectDevice() {
  const int remembered = masterIndex_;
  found_ = bus_.ScanDevices();
  ApplyScan(remembered);
}

void DeviceSelection::OnTimer() {
  // The probe scans only while nothing is known and makes the first found
  // controller the master; the rest of "Detect Device" follows.
  if (ProbeLateConnection(bus_, live_, found_))
    ApplyScan(0);
}

void DeviceSelection::ApplyScan(int rememberedIndex) {
  if (found_.empty()) {
    ClearMaster();
  } else {
    const int count = static_cast<int>(found_.driverNames.size());
    const bool keep = count > 1 && rememberedIndex >= 0 && rememberedIndex < count;
    SelectMaster(keep ? rememberedIndex : 0);
  }
  Prune();
  PublishExtraDevices();
}

void DeviceSelection::ChooseMaster(int index) {
  if (found_.empty()) {
    ClearMaster();
    return;
  }
  if (index < 0 || index >= static_cast<int>(found_.driverNames.size()))
    return;
  SelectMaster(index);
}

void DeviceSelection::ChooseSelectionMaster(int index) {
  if (found_.empty()) {
    caption_ = baseTitle_;
    return;
  }
  if (index < 0 || index >= static_cast<int>(found_.driverNames.size()))
    return;
  SelectMaster(index);
  if (MultipleDevices()) {
    boxTicked_[MasterNumber()] = true;
    std::erase(extraList_, MasterDisplayName());
  }
  PublishExtraDevices();
}

void DeviceSelection::ActivateSelectionWindow() {
  if (found_.driverNames.size() < 2) {
    multipleAllowed_ = false;
    live_.devices.extraDevicesEnabled.store(false, kRelaxed);
  }
}

void DeviceSelection::SetMultipleDevices(bool ticked) {
  if (ticked && !multipleAllowed_)
    return;
  live_.devices.extraDevicesEnabled.store(ticked, kRelaxed);
  if (ticked)
    ShowBoxes();
  else
    HideBoxes();
}

void DeviceSelection::SetBoxTicked(int number, bool ticked) {
  if (number < 0 || number >= kDeviceNumberCount)
    return;
  boxTicked_[number] = ticked;
  const std::string caption = DisplayName(number);
  if (!EqualsIgnoringCase(caption, MasterDisplayName())) {
    if (!ticked)
      std::erase(extraList_, caption);
    else if (!Contains(extraList_, caption))
      extraList_.push_back(caption);
  }
  PublishExtraDevices();
}

void DeviceSelection::TickAll() {
  if (found_.empty())
    return;
  extraList_.clear();
  const std::string master = MasterDisplayName();
  for (std::size_t i = 0; i < found_.displayNames.size(); ++i) {
    boxTicked_[*DriverNameNumber(found_.driverNames[i])] = true;
    if (found_.displayNames[i] != master)
      extraList_.push_back(found_.displayNames[i]);
  }
  PublishExtraDevices();
}

void DeviceSelection::TickNone() {
  if (found_.empty())
    return;
  const int master = MasterNumber();
  for (const std::string& driverName : found_.driverNames) {
    const int number = *DriverNameNumber(driverName);
    if (number != master)
      boxTicked_[number] = false;
  }
  extraList_.clear();
  PublishExtraDevices();
}

std::vector<std::string> DeviceSelection::ResetDevices() const {
  if (found_.empty())
    return {};
  return ravix::ResetDevices(bus_, MasterDisplayName(), MultipleDevices(), extraList_);
}

bool DeviceSelection::MultipleDevices() const {
  return live_.devices.extraDevicesEnabled.load(kRelaxed);
}

std::string DeviceSelection::MasterDisplayName() const {
  return masterIndex_ < 0 ? std::string() : found_.displayNames[masterIndex_];
}

int DeviceSelection::MasterNumber() const {
  return masterIndex_ < 0 ? -1 : *DriverNameNumber(found_.driverNames[masterIndex_]);
}

void DeviceSelection::SelectMaster(int index) {
  masterIndex_ = index;
  live_.devices.SetMasterDevice(found_.driverNames[index]);
  title_ = ApplicationTitle(baseTitle_, index);
  caption_ = title_;
}

void DeviceSelection::ClearMaster() {
  masterIndex_ = -1;
  live_.devices.SetMasterDevice({});
  title_ = baseTitle_;
  caption_ = baseTitle_;
}

void DeviceSelection::Prune() {
  std::erase_if(extraList_,
                [this](const std::string& name) { return !Contains(found_.displayNames, name); });
  for (int n = 0; n < kDeviceNumberCount; ++n)
    boxTicked_[n] = Contains(extraList_, DisplayName(n));
  HideBoxes();
  if (found_.driverNames.size() < 2)
    live_.devices.extraDevicesEnabled.store(false, kRelaxed);
  multipleAllowed_ = found_.driverNames.size() > 1;
  if (MultipleDevices())
    ShowBoxes();
}

void DeviceSelection::ShowBoxes() {
  boxVisible_.fill(false);
  for (const std::string& driverName : found_.driverNames)
    boxVisible_[*DriverNameNumber(driverName)] = true;
  if (masterIndex_ >= 0)
    boxTicked_[MasterNumber()] = true;
  allNoneVisible_ = true;
}

void DeviceSelection::HideBoxes() {
  boxVisible_.fill(false);
  allNoneVisible_ = false;
}

void DeviceSelection::PublishExtraDevices() {
  live_.devices.SetExtraDevices(extraList_);
}

}  // namespace ravix
