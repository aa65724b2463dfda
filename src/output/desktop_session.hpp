#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/settings_file.hpp"
#include "core/status.hpp"
#include "core/workspace.hpp"
#include "output/controller_bus.hpp"
#include "output/device_selection.hpp"
#include "output/live_state.hpp"
#include "output/play_host.hpp"
#include "output/play_settings_panel.hpp"

namespace ravix {

// What the desktop program's windows share: the workspace, the settings lines,
// the live state, the controllers, the play host, the device selection and the
// play settings rules. Lives until every window is gone.
class DesktopSession {
 public:
  DesktopSession(Workspace workspace, std::unique_ptr<ControllerDriver> driver,
                 std::chrono::microseconds transferPause = kTransferPause);
  // Stops the running play and waits for it.
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  // The main window's creation: "Ravix.ini" into the line list (a missing or
  // short file leaves the controls' initial positions), the media player path
  // at once, then the device scan.
  void Start();

  // A window that must agree before the program closes (the drawing editor
  // asks to save); false keeps the program open.
  void AddCloseGuard(std::function<bool()> guard);
  // A window that stores its own values in the settings lines on close.
  void AddSettingsWriter(std::function<void(SettingsFile&)> writer);

  // Stops the running play and waits until its loop has ended, however long.
  void StopAllPlay();

  // Asks every close guard; true when all agreed.
  bool MayClose() const;
  // Closing the main window: stops all play and waits until the loop has
  // ended, writes every value into the line list and saves "Ravix.ini"
  // complete.
  Status Close();

  const Workspace& workspace() const { return workspace_; }
  ControllerDriver& driver() { return *driver_; }
  const ControllerBus& bus() const { return bus_; }
  LiveState& live() { return live_; }
  PlayHost& host() { return host_; }
  SettingsFile& settings() { return settings_; }
  DeviceSelection& devices() { return devices_; }
  PlaySettingsPanel& playSettings() { return playSettings_; }

 private:
  Workspace workspace_;
  std::unique_ptr<ControllerDriver> driver_;
  ControllerBus bus_;
  LiveState live_;
  SettingsFile settings_;
  DeviceSelection devices_;
  PlaySettingsPanel playSettings_;
  std::vector<std::function<bool()>> closeGuards_;
  std::vector<std::function<void(SettingsFile&)>> settingsWriters_;
  PlayHost host_;  // last: its destructor stops and joins before the rest goes
};

}  // namespace ravix
