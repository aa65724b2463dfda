#include "output/play_settings.hpp"

#include <algorithm>

namespace ravix {
namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

std::int32_t Ranged(const SettingsFile& file, std::size_t index, std::int32_t low,
                    std::int32_t high) {
  return std::clamp(file.SettingsValue(index), low, high);
}

std::uint8_t LowByte(const SettingsFile& file, std::size_t index) {
  return static_cast<std::uint8_t>(file.SettingsValue(index) & 0xFF);
}

std::uint8_t LowByteRanged(const SettingsFile& file, std::size_t index, std::uint8_t high) {
  return std::min(LowByte(file, index), high);
}

}  // namespace

PlaySettingsValues PlaySettings::Values() const {
  PlaySettingsValues v;
  v.offsetX = offsetX.load(kRelaxed);
  v.offsetY = offsetY.load(kRelaxed);
  v.locateAngle = locateAngle.load(kRelaxed);
  v.scanRateCode = scanRateCode.load(kRelaxed);
  v.sizeX = sizeX.load(kRelaxed);
  v.sizeY = sizeY.load(kRelaxed);
  v.blankDelay = blankDelay.load(kRelaxed);
  v.outputPipe = outputPipe.load(kRelaxed);
  v.frameInterval = frameInterval.load(kRelaxed);
  v.textLargeSize = textLargeSize.load(kRelaxed);
  v.quickPlayOption = quickPlayOption.load(kRelaxed);
  v.redDepth = redDepth.load(kRelaxed);
  v.greenDepth = greenDepth.load(kRelaxed);
  v.blueDepth = blueDepth.load(kRelaxed);
  v.brightness = brightness.load(kRelaxed);
  v.invertX = invertX.load(kRelaxed);
  v.invertY = invertY.load(kRelaxed);
  return v;
}

void PlaySettings::Store(const PlaySettingsValues& v) {
  offsetX.store(v.offsetX, kRelaxed);
  offsetY.store(v.offsetY, kRelaxed);
  locateAngle.store(v.locateAngle, kRelaxed);
  scanRateCode.store(v.scanRateCode, kRelaxed);
  sizeX.store(v.sizeX, kRelaxed);
  sizeY.store(v.sizeY, kRelaxed);
  blankDelay.store(v.blankDelay, kRelaxed);
  outputPipe.store(v.outputPipe, kRelaxed);
  frameInterval.store(v.frameInterval, kRelaxed);
  textLargeSize.store(v.textLargeSize, kRelaxed);
  quickPlayOption.store(v.quickPlayOption, kRelaxed);
  redDepth.store(v.redDepth, kRelaxed);
  greenDepth.store(v.greenDepth, kRelaxed);
  blueDepth.store(v.blueDepth, kRelaxed);
  brightness.store(v.brightness, kRelaxed);
  invertX.store(v.invertX, kRelaxed);
  invertY.store(v.invertY, kRelaxed);
}

std::string PlaySettings::MediaPlayerPath() const {
  std::lock_guard lock(pathMutex_);
  return mediaPlayerPath_;
}

void PlaySettings::SetMediaPlayerPath(std::string path) {
  std::lock_guard lock(pathMutex_);
  mediaPlayerPath_ = std::move(path);
}

void LoadPlaySettings(const SettingsFile& file, PlaySettings& settings) {
  PlaySettingsValues v = settings.Values();
  v.offsetX = Ranged(file, kSettingOffsetX, -256, 254);
  v.offsetY = Ranged(file, kSettingOffsetY, -256, 254);
  v.locateAngle = Ranged(file, kSettingLocateAngle, 0, 360);
  v.scanRateCode = LowByteRanged(file, kSettingScanRateCode, 230);
  v.sizeX = Ranged(file, kSettingSizeX, 0, 40);
  v.sizeY = Ranged(file, kSettingSizeY, 0, 40);
  v.blankDelay = LowByte(file, kSettingBlankDelay);
  v.outputPipe = LowByte(file, kSettingOutputPipe);
  v.frameInterval = Ranged(file, kSettingFrameInterval, 2, 1000);
  v.textLargeSize = Ranged(file, kSettingTextLargeSize, 0, 1);
  v.quickPlayOption = file.SettingsValue(kSettingQuickPlayOption);  // no control to limit it
  v.redDepth = LowByteRanged(file, kSettingRedDepth, 200);
  v.greenDepth = LowByteRanged(file, kSettingGreenDepth, 200);
  v.blueDepth = LowByteRanged(file, kSettingBlueDepth, 200);
  v.brightness = LowByteRanged(file, kSettingBrightness, 200);
  settings.Store(v);
  settings.SetMediaPlayerPath(file.SettingsLine(kSettingMediaPlayerPath));
}

void SavePlaySettings(const PlaySettings& settings, SettingsFile& file) {
  const PlaySettingsValues v = settings.Values();
  file.SetSettingsValue(kSettingOffsetX, v.offsetX);
  file.SetSettingsValue(kSettingOffsetY, v.offsetY);
  file.SetSettingsValue(kSettingLocateAngle, v.locateAngle);
  file.SetSettingsValue(kSettingScanRateCode, v.scanRateCode);
  file.SetSettingsValue(kSettingSizeX, v.sizeX);
  file.SetSettingsValue(kSettingSizeY, v.sizeY);
  file.SetSettingsValue(kSettingBlankDelay, v.blankDelay);
  file.SetSettingsValue(kSettingOutputPipe, v.outputPipe);
  file.SetSettingsValue(kSettingFrameInterval, v.frameInterval);
  file.SetSettingsValue(kSettingTextLargeSize, v.textLargeSize);
  file.SetSettingsValue(kSettingQuickPlayOption, v.quickPlayOption);
  file.SetSettingsLine(kSettingMediaPlayerPath, settings.MediaPlayerPath());
  file.SetSettingsValue(kSettingRedDepth, v.redDepth);
  file.SetSettingsValue(kSettingGreenDepth, v.greenDepth);
  file.SetSettingsValue(kSettingBlueDepth, v.blueDepth);
  file.SetSettingsValue(kSettingBrightness, v.brightness);
}

}  // namespace ravix
