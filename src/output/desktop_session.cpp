#include "output/desktop_session.hpp"

#include <algorithm>

namespace ravix {

DesktopSession::DesktopSession(Workspace workspace, std::unique_ptr<ControllerDriver> driver,
                               std::chrono::microseconds transferPause)
    : workspace_(std::move(workspace)),
      driver_(std::move(driver)),
      bus_(*driver_, transferPause),
      devices_(bus_, live_),
      playSettings_(live_),
      host_(live_, bus_) {}

DesktopSession::~DesktopSession() = default;

void DesktopSession::Start() {
  settings_.LoadSettings(workspace_.SettingsPath());
  live_.settings.SetMediaPlayerPath(settings_.SettingsLine(kSettingMediaPlayerPath));
  devices_.Create();
}

void DesktopSession::AddCloseGuard(std::function<bool()> guard) {
  closeGuards_.push_back(std::move(guard));
}

void DesktopSession::AddSettingsWriter(std::function<void(SettingsFile&)> writer) {
  settingsWriters_.push_back(std::move(writer));
}

bool DesktopSession::MayClose() const {
  return std::all_of(closeGuards_.begin(), closeGuards_.end(),
                     [](const std::function<bool()>& guard) { return guard(); });
}

void DesktopSession::StopAllPlay() {
  while (!host_.StopAndWait()) {
  }
}

Status DesktopSession::Close() {
  StopAllPlay();
  for (const auto& writer : settingsWriters_)
    writer(settings_);
  SavePlaySettings(live_.settings, settings_);
  return settings_.SaveSettings(workspace_.SettingsPath());
}

}  // namespace ravix
