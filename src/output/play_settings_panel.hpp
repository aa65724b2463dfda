#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

#include "core/palette.hpp"
#include "core/settings_file.hpp"
#include "output/live_state.hpp"
#include "output/play_owner.hpp"

namespace ravix {

// The sliders of the play settings window.
enum class PlaySlider {
  kScanRate,
  kBlankDelay,
  kHorizontalSize,
  kVerticalSize,
  kLocateAngle,
  kFrameInterval,
  kRedDepth,
  kGreenDepth,
  kBlueDepth,
  kBrightness,
};

struct PlaySliderSpec {
  PlaySlider slider;
  const char* label;
  int minimum;
  int maximum;
  int initial;
};

// Every slider in the window's order, with its label, range and initial position.
std::span<const PlaySliderSpec> PlaySliders();

// A colour panel: its caption and the colour code it sets.
struct ColourPanelSpec {
  const char* caption = nullptr;
  std::int32_t code = 0;
};
// The play settings window's panels.
std::span<const ColourPanelSpec> ColourPanels();

// The named colour panels, "Black" to "Mage" (palette indexes 0..7), then `more`.
template <std::size_t N>
constexpr std::array<ColourPanelSpec, std::size(kColourNames) + N> NamedColourPanelsAnd(
    const std::array<ColourPanelSpec, N>& more) {
  std::array<ColourPanelSpec, std::size(kColourNames) + N> panels{};
  for (std::size_t i = 0; i < std::size(kColourNames); ++i)
    panels[i] = {kColourNames[i], static_cast<std::int32_t>(i)};
  for (std::size_t i = 0; i < N; ++i)
    panels[std::size(kColourNames) + i] = more[i];
  return panels;
}

// The offset pad is a 256 x 256 picture.
inline constexpr int kOffsetPadSize = 256;

struct PadPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PadPoint&, const PadPoint&) = default;
};

// The rules of the play settings window over the live settings: sliders, "Lock
// XY size", the offset pad, the colour panels, the toolbar and the owner that
// its play button restarts.
class PlaySettingsPanel {
 public:
  explicit PlaySettingsPanel(LiveState& live) : live_(live) {}

  // The window's creation: PlaySettings from the loaded settings lines.
  void Load(const SettingsFile& file) { LoadPlaySettings(file, live_.settings); }

  // The slider's position for the live setting it writes.
  int SliderPosition(PlaySlider slider) const;
  // Moves a slider (limited to its range) and writes its setting; with "Lock
  // XY size" ticked a size slider moves the other one too.
  void MoveSlider(PlaySlider slider, int position);
  // The number shown beside a slider at `position`.
  static int ShownValue(PlaySlider slider, int position);

  bool LockXY() const { return lockXY_; }
  // Ticking copies the horizontal size to the vertical one.
  void SetLockXY(bool ticked);

  // A press or drag on the offset pad, limited to the pad.
  void PressPad(int x, int y);
  // "Reset to 0".
  void ResetOffsets();
  // The marker for the live offsets.
  PadPoint Marker() const;

  // A player's colour mode (0..255 a palette index, 257..260 a mode), which
  // the colour panels set together with every other registered one. It must
  // live as long as the panel.
  void AddColourModeTarget(std::atomic<std::int32_t>& colourMode);
  void RemoveColourModeTarget(std::atomic<std::int32_t>& colourMode);
  // A colour panel: the colour mode of every player.
  void ChooseColour(std::int32_t code);

  // Toolbar.
  void SetLoop(bool on);
  void SetInvertX(bool on);
  void SetInvertY(bool on);
  void SetPaused(bool on);
  void Stop();
  void PressPlay(const PlayButtons& buttons);

  int Owner() const { return owner_; }
  void SetOwner(int owner) { owner_ = owner; }
  PlayOwnerTargets& Targets() { return targets_; }

 private:
  void WriteSlider(PlaySlider slider, int position);

  LiveState& live_;
  bool lockXY_ = false;
  int owner_ = kOwnerNone;
  PlayOwnerTargets targets_;
  std::vector<std::atomic<std::int32_t>*> colourModes_;
};

}  // namespace ravix
