#include "output/play_settings_panel.hpp"

#include <algorithm>
#include <array>

#include "core/palette.hpp"

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr int kScanRateTop = 250;
constexpr int kPointsPerSecondStep = 240;

constexpr std::array kSliders = {
    PlaySliderSpec{PlaySlider::kScanRate, "Scan rate", 20, 250, 150},
    PlaySliderSpec{PlaySlider::kBlankDelay, "Blank delay", 0, 255, 100},
    PlaySliderSpec{PlaySlider::kHorizontalSize, "Horizontal size", 0, 40, 20},
    PlaySliderSpec{PlaySlider::kVerticalSize, "Vertical Size", 0, 40, 20},
    PlaySliderSpec{PlaySlider::kLocateAngle, "Locate angle", 0, 360, 0},
    PlaySliderSpec{PlaySlider::kFrameInterval, "ILDA frame interval", 2, 1000, 2},
    PlaySliderSpec{PlaySlider::kRedDepth, "Red depth", 0, 200, 100},
    PlaySliderSpec{PlaySlider::kGreenDepth, "Green depth", 0, 200, 100},
    PlaySliderSpec{PlaySlider::kBlueDepth, "Blue depth", 0, 200, 100},
    PlaySliderSpec{PlaySlider::kBrightness, "Brightness", 0, 200, 100},
};

constexpr auto kColourPanels = NamedColourPanelsAnd(std::array{
    ColourPanelSpec{kColourModeNames[0], kColourModeAuto},
    ColourPanelSpec{kColourModeNames[1], kColourModeRnd1},
    ColourPanelSpec{kColourModeNames[2], kColourModeRnd2},
    ColourPanelSpec{kColourModeNames[3], kColourModeRnd3},
});

const PlaySliderSpec& SpecOf(PlaySlider slider) {
  return *std::find_if(kSliders.begin(), kSliders.end(),
                       [slider](const PlaySliderSpec& s) { return s.slider == slider; });
}

}  // namespace

std::span<const PlaySliderSpec> PlaySliders() {
  return kSliders;
}

std::span<const ColourPanelSpec> ColourPanels() {
  return kColourPanels;
}

int PlaySettingsPanel::SliderPosition(PlaySlider slider) const {
  const PlaySettings& s = live_.settings;
  switch (slider) {
    case PlaySlider::kScanRate:
      return kScanRateTop - s.scanRateCode.load(kRelaxed);
    case PlaySlider::kBlankDelay:
      return s.blankDelay.load(kRelaxed);
    case PlaySlider::kHorizontalSize:
      return s.sizeX.load(kRelaxed);
    case PlaySlider::kVerticalSize:
      return s.sizeY.load(kRelaxed);
    case PlaySlider::kLocateAngle:
      return s.locateAngle.load(kRelaxed);
    case PlaySlider::kFrameInterval:
      return s.frameInterval.load(kRelaxed);
    case PlaySlider::kRedDepth:
      return s.redDepth.load(kRelaxed);
    case PlaySlider::kGreenDepth:
      return s.greenDepth.load(kRelaxed);
    case PlaySlider::kBlueDepth:
      return s.blueDepth.load(kRelaxed);
    case PlaySlider::kBrightness:
      return s.brightness.load(kRelaxed);
  }
  return 0;
}

void PlaySettingsPanel::MoveSlider(PlaySlider slider, int position) {
  const PlaySliderSpec& spec = SpecOf(slider);
  position = std::clamp(position, spec.minimum, spec.maximum);
  WriteSlider(slider, position);
  if (!lockXY_)
    return;
  if (slider == PlaySlider::kHorizontalSize)
    WriteSlider(PlaySlider::kVerticalSize, position);
  else if (slider == PlaySlider::kVerticalSize)
    WriteSlider(PlaySlider::kHorizontalSize, position);
}

void PlaySettingsPanel::WriteSlider(PlaySlider slider, int position) {
  PlaySettings& s = live_.settings;
  const auto byte = static_cast<std::uint8_t>(position);
  switch (slider) {
    case PlaySlider::kScanRate:
      s.scanRateCode.store(static_cast<std::uint8_t>(kScanRateTop - position), kRelaxed);
      break;
    case PlaySlider::kBlankDelay:
      s.blankDelay.store(byte, kRelaxed);
      break;
    case PlaySlider::kHorizontalSize:
      s.sizeX.store(position, kRelaxed);
      break;
    case PlaySlider::kVerticalSize:
      s.sizeY.store(position, kRelaxed);
      break;
    case PlaySlider::kLocateAngle:
      s.locateAngle.store(position, kRelaxed);
      break;
    case PlaySlider::kFrameInterval:
      s.frameInterval.store(position, kRelaxed);
      break;
    case PlaySlider::kRedDepth:
      s.redDepth.store(byte, kRelaxed);
      break;
    case PlaySlider::kGreenDepth:
      s.greenDepth.store(byte, kRelaxed);
      break;
    case PlaySlider::kBlueDepth:
      s.blueDepth.store(byte, kRelaxed);
      break;
    case PlaySlider::kBrightness:
      s.brightness.store(byte, kRelaxed);
      break;
  }
}

int PlaySettingsPanel::ShownValue(PlaySlider slider, int position) {
  return slider == PlaySlider::kScanRate ? position * kPointsPerSecondStep : position;
}

void PlaySettingsPanel::SetLockXY(bool ticked) {
  lockXY_ = ticked;
  if (ticked)
    live_.settings.sizeY.store(live_.settings.sizeX.load(kRelaxed), kRelaxed);
}

void PlaySettingsPanel::PressPad(int x, int y) {
  x = std::clamp(x, 0, kOffsetPadSize - 1);
  y = std::clamp(y, 0, kOffsetPadSize - 1);
  live_.settings.offsetX.store(2 * x - kOffsetPadSize, kRelaxed);
  live_.settings.offsetY.store(2 * y - kOffsetPadSize, kRelaxed);
}

void PlaySettingsPanel::ResetOffsets() {
  live_.settings.offsetX.store(0, kRelaxed);
  live_.settings.offsetY.store(0, kRelaxed);
}

PadPoint PlaySettingsPanel::Marker() const {
  return {(live_.settings.offsetX.load(kRelaxed) + kOffsetPadSize) / 2,
          (live_.settings.offsetY.load(kRelaxed) + kOffsetPadSize) / 2};
}

void PlaySettingsPanel::AddColourModeTarget(std::atomic<std::int32_t>& colourMode) {
  colourModes_.push_back(&colourMode);
}

void PlaySettingsPanel::RemoveColourModeTarget(std::atomic<std::int32_t>& colourMode) {
  std::erase(colourModes_, &colourMode);
}

void PlaySettingsPanel::ChooseColour(std::int32_t code) {
  for (std::atomic<std::int32_t>* mode : colourModes_)
    mode->store(code, kRelaxed);
}

void PlaySettingsPanel::SetLoop(bool on) {
  live_.control.loopPlay.store(on, kRelaxed);
  const PlayOwnerTarget* quick = targets_.Find(kOwnerQuickPlay);
  if (quick && quick->setLoopButton)
    quick->setLoopButton(on);
}

void PlaySettingsPanel::SetInvertX(bool on) {
  live_.settings.invertX.store(on, kRelaxed);
}

void PlaySettingsPanel::SetInvertY(bool on) {
  live_.settings.invertY.store(on, kRelaxed);
}

void PlaySettingsPanel::SetPaused(bool on) {
  live_.control.paused.store(on, kRelaxed);
}

void PlaySettingsPanel::Stop() {
  StopPlay(live_.control);
}

void PlaySettingsPanel::PressPlay(const PlayButtons& buttons) {
  ApplyPlayButtons(buttons, live_);
  targets_.PressPlay(owner_, buttons);
}

}  // namespace ravix
