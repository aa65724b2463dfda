#include "core/settings_file.hpp"

#include <algorithm>
#include <array>

#include "core/byte_file.hpp"
#include "core/text_lines.hpp"

namespace ravix {
namespace {

constexpr std::array<SettingsValueLine, 25> kValueLines = {{
    {kSettingBackgroundColour, "Background colour", 0},
    {kSettingBlankingColour, "Blanking colour", 243},
    {kSettingGridSpacingX, "Grid spacing X", 20},
    {kSettingGridSpacingY, "Grid spacing Y", 20},
    {kSettingPointSpace, "Point Space", 20},
    {kSettingPolygonSides, "Sides of polygon", 5},
    {kSettingOffsetX, "Horizontal offset", 0},
    {kSettingOffsetY, "Vertical offset", 0},
    {kSettingLocateAngle, "Locate angle", 0},
    {kSettingScanRateCode, "Scan rate", 100},
    {kSettingSizeX, "Horizontal size", 20},
    {kSettingSizeY, "Vertical Size", 20},
    {kSettingBlankDelay, "Blank delay", 100},
    {kSettingOutputPipe, "Output pipe", 0},
    {kSettingFrameInterval, "ILDA frame interval", 2},
    {kSettingTextLargeSize, "Large size", 0},
    {kSettingQuickPlayOption, "Quick play option", 0},
    {kSettingMediaPlayerPath, "Media player path", 0},
    {kSettingRedDepth, "Red depth", 100},
    {kSettingGreenDepth, "Green depth", 100},
    {kSettingBlueDepth, "Blue depth", 100},
    {kSettingBrightness, "Brightness", 100},
    {kSettingShowList1, "Show track 1 list", 0},
    {kSettingShowList2, "Show track 2 list", 0},
    {kSettingShowList3, "Show track 3 list", 0},
}};

const SettingsValueLine* FindValueLine(std::size_t index) {
  const auto it = std::find_if(kValueLines.begin(), kValueLines.end(),
                               [index](const SettingsValueLine& v) { return v.index == index; });
  return it == kValueLines.end() ? nullptr : &*it;
}

// What a line holds in a file that lacks it.
std::string DefaultLine(std::size_t index) {
  if (const SettingsValueLine* value = FindValueLine(index)) {
    return index == kSettingMediaPlayerPath ? std::string() : std::to_string(value->initial);
  }
  if (const SettingsValueLine* value = FindValueLine(index + 1))
    return value->label;
  return std::string();
}

}  // namespace

std::span<const SettingsValueLine> SettingsValueLines() {
  return kValueLines;
}

Status SettingsFile::LoadSettings(const std::filesystem::path& path) {
  lines_.clear();
  std::string error;
  const auto bytes = ReadWholeFile(path, &error);
  if (!bytes)
    return Status::Failure(error);
  ParseSettings(*bytes);
  return {};
}

void SettingsFile::ParseSettings(std::span<const std::uint8_t> bytes) {
  lines_ = SplitLines(bytes);
}

std::vector<std::string> SettingsFile::CompletedLines() const {
  std::vector<std::string> lines = lines_;
  for (std::size_t i = lines.size(); i < kSettingsLineCount; ++i)
    lines.push_back(DefaultLine(i));
  return lines;
}

std::vector<std::uint8_t> SettingsFile::EncodeSettings() const {
  return JoinLinesCrLf(CompletedLines());
}

Status SettingsFile::SaveSettings(const std::filesystem::path& path) const {
  return WriteFileAtomically(path, EncodeSettings());
}

std::string SettingsFile::SettingsLine(std::size_t index) const {
  return index < lines_.size() ? lines_[index] : std::string();
}

void SettingsFile::SetSettingsLine(std::size_t index, std::string text) {
  while (lines_.size() <= index)
    lines_.push_back(DefaultLine(lines_.size()));
  lines_[index] = std::move(text);
}

std::int32_t SettingsFile::SettingsValue(std::size_t index) const {
  if (index < lines_.size()) {
    if (const auto value = ParseDecimalInt(lines_[index]))
      return *value;
  }
  const SettingsValueLine* value = FindValueLine(index);
  return value ? value->initial : 0;
}

}  // namespace ravix
