#pragma once

#include <cstdint>

#include "output/live_state.hpp"

namespace ravix {

// The geometry settings a player's cached frames were built with. When a live
// value differs, Refresh takes the live values and raises settingsChanged so
// the player rebuilds its frames.
class SettingsSnapshot {
 public:
  // Without `includeMirror` the mirror flags are not watched.
  explicit SettingsSnapshot(const PlaySettings& live, bool includeMirror = true)
      : includeMirror_(includeMirror), geometry_(Read(live)) {}

  // True (and settingsChanged raised) when the live values had changed.
  bool Refresh(LiveState& live);

 private:
  struct Geometry {
    std::int32_t offsetX, offsetY, locateAngle, sizeX, sizeY;
    bool invertX, invertY;
    friend bool operator==(const Geometry&, const Geometry&) = default;
  };
  Geometry Read(const PlaySettings& live) const;

  bool includeMirror_;
  Geometry geometry_;
};

}  // namespace ravix
