#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/status.hpp"

namespace ravix {

// Line indexes of the values in "Ravix.ini". Only these odd lines carry
// values; every other line is kept exactly as loaded.
enum SettingsIndex : std::size_t {
  kSettingBackgroundColour = 1,
  kSettingBlankingColour = 3,
  kSettingGridSpacingX = 5,
  kSettingGridSpacingY = 7,
  kSettingPointSpace = 9,
  kSettingPolygonSides = 11,
  kSettingOffsetX = 13,
  kSettingOffsetY = 15,
  kSettingLocateAngle = 17,
  kSettingScanRateCode = 19,
  kSettingSizeX = 21,
  kSettingSizeY = 23,
  kSettingBlankDelay = 25,
  kSettingOutputPipe = 27,
  kSettingFrameInterval = 29,
  kSettingTextLargeSize = 31,
  kSettingQuickPlayOption = 33,
  kSettingMediaPlayerPath = 35,
  kSettingRedDepth = 37,
  kSettingGreenDepth = 39,
  kSettingBlueDepth = 41,
  kSettingBrightness = 43,
  kSettingShowList1 = 45,
  kSettingShowList2 = 47,
  kSettingShowList3 = 49,
};

inline constexpr std::size_t kSettingsLineCount = 50;

// A value line: its label (written on the line before it when the file lacks
// one) and the initial position of the control that owns it.
struct SettingsValueLine {
  std::size_t index;
  const char* label;
  std::int32_t initial;
};

std::span<const SettingsValueLine> SettingsValueLines();

// The in-memory line list of "Ravix.ini".
class SettingsFile {
 public:
  // Reads the file into the line list (CR, LF or CR LF). A missing or unreadable
  // file leaves the list empty, so every value starts at its initial position.
  Status LoadSettings(const std::filesystem::path& path);
  // The same from the file's bytes.
  void ParseSettings(std::span<const std::uint8_t> bytes);

  // Writes the list with CR LF line ends, completing it first to all value
  // lines: a missing label gets its label, a missing value its initial position.
  Status SaveSettings(const std::filesystem::path& path) const;
  // The bytes SaveSettings writes.
  std::vector<std::uint8_t> EncodeSettings() const;

  // The line at `index`, empty when the list is shorter.
  std::string SettingsLine(std::size_t index) const;
  void SetSettingsLine(std::size_t index, std::string text);
  void SetSettingsValue(std::size_t index, std::int32_t value) {
    SetSettingsLine(index, std::to_string(value));
  }

  // The decimal value at `index`; the initial position of its control when the
  // line is missing or not a decimal integer.
  std::int32_t SettingsValue(std::size_t index) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> CompletedLines() const;
  std::vector<std::string> lines_;
};

}  // namespace ravix
