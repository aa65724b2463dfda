#include "output/settings_snapshot.hpp"

namespace ravix {

SettingsSnapshot::Geometry SettingsSnapshot::Read(const PlaySettings& live) const {
  constexpr auto kRelaxed = std::memory_order_relaxed;
  return Geometry{live.offsetX.load(kRelaxed),
                  live.offsetY.load(kRelaxed),
                  live.locateAngle.load(kRelaxed),
                  live.sizeX.load(kRelaxed),
                  live.sizeY.load(kRelaxed),
                  includeMirror_ && live.invertX.load(kRelaxed),
                  includeMirror_ && live.invertY.load(kRelaxed)};
}

bool SettingsSnapshot::Refresh(LiveState& live) {
  const Geometry now = Read(live.settings);
  if (now == geometry_)
    return false;
  geometry_ = now;
  live.control.settingsChanged.store(true, std::memory_order_relaxed);
  return true;
}

}  // namespace ravix
