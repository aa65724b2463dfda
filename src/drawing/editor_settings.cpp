#include "drawing/editor_settings.hpp"

#include <algorithm>

namespace ravix {

EditorSettings ReadEditorSettings(const SettingsFile& settings) {
  EditorSettings values;
  values.backgroundColour =
      static_cast<std::uint8_t>(settings.SettingsValue(kSettingBackgroundColour));
  values.blankingColour = static_cast<std::uint8_t>(settings.SettingsValue(kSettingBlankingColour));
  values.gridSpacingX = std::max(kMinGridSpacing, settings.SettingsValue(kSettingGridSpacingX));
  values.gridSpacingY = std::max(kMinGridSpacing, settings.SettingsValue(kSettingGridSpacingY));
  values.pointSpace = std::max(kMinPointSpace, settings.SettingsValue(kSettingPointSpace));
  values.polygonSides = std::max(kMinPolygonSides, settings.SettingsValue(kSettingPolygonSides));
  return values;
}

void WriteEditorSettings(SettingsFile& settings, const EditorSettings& values) {
  settings.SetSettingsValue(kSettingBackgroundColour, values.backgroundColour);
  settings.SetSettingsValue(kSettingBlankingColour, values.blankingColour);
  settings.SetSettingsValue(kSettingGridSpacingX, values.gridSpacingX);
  settings.SetSettingsValue(kSettingGridSpacingY, values.gridSpacingY);
  settings.SetSettingsValue(kSettingPointSpace, values.pointSpace);
  settings.SetSettingsValue(kSettingPolygonSides, values.polygonSides);
}

}  // namespace ravix
