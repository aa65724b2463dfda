#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/settings_file.hpp"

namespace ravix {

// A plain copy of the numeric play settings, taken once per frame by a player.
// Defaults are the initial positions of the controls.
struct PlaySettingsValues {
  std::int32_t offsetX = 0;         // -256..254
  std::int32_t offsetY = 0;         // -256..254
  std::int32_t locateAngle = 0;     // 0..360 degrees about (128, 128)
  std::uint8_t scanRateCode = 100;  // 0..230: (250 - code) x 240 points per second
  std::int32_t sizeX = 20;          // 0..40; 20 keeps the size
  std::int32_t sizeY = 20;
  std::uint8_t blankDelay = 100;
  std::uint8_t outputPipe = 0;     // pipe of every bulk write
  std::int32_t frameInterval = 2;  // 2..1000 ms between frame ticks
  std::int32_t textLargeSize = 0;  // 0/1
  std::int32_t quickPlayOption = 0;
  std::uint8_t redDepth = 100;  // 0..200 percent
  std::uint8_t greenDepth = 100;
  std::uint8_t blueDepth = 100;
  std::uint8_t brightness = 100;
  bool invertX = false;
  bool invertY = false;

  friend bool operator==(const PlaySettingsValues&, const PlaySettingsValues&) = default;
};

// The live settings every player reads while windows write them. Each field is
// an atomic used with relaxed ordering: a reader sees the old or the new value
// of a field, and a frame may mix old and new fields.
class PlaySettings {
 public:
  std::atomic<std::int32_t> offsetX{0};
  std::atomic<std::int32_t> offsetY{0};
  std::atomic<std::int32_t> locateAngle{0};
  std::atomic<std::uint8_t> scanRateCode{100};
  std::atomic<std::int32_t> sizeX{20};
  std::atomic<std::int32_t> sizeY{20};
  std::atomic<std::uint8_t> blankDelay{100};
  std::atomic<std::uint8_t> outputPipe{0};
  std::atomic<std::int32_t> frameInterval{2};
  std::atomic<std::int32_t> textLargeSize{0};
  std::atomic<std::int32_t> quickPlayOption{0};
  std::atomic<std::uint8_t> redDepth{100};
  std::atomic<std::uint8_t> greenDepth{100};
  std::atomic<std::uint8_t> blueDepth{100};
  std::atomic<std::uint8_t> brightness{100};
  std::atomic<bool> invertX{false};
  std::atomic<bool> invertY{false};

  PlaySettingsValues Values() const;
  void Store(const PlaySettingsValues& values);

  std::string MediaPlayerPath() const;
  void SetMediaPlayerPath(std::string path);

 private:
  mutable std::mutex pathMutex_;
  std::string mediaPlayerPath_;
};

// Settings lines 13..43: decimal values, the 8-bit fields keeping the low 8
// bits, then each value limited to its control's range. The mirror flags are
// not stored and stay as they are.
void LoadPlaySettings(const SettingsFile& file, PlaySettings& settings);

// Writes the stored fields back as decimal text, the media player path as text.
void SavePlaySettings(const PlaySettings& settings, SettingsFile& file);

}  // namespace ravix
