#pragma once

#include <cstdint>

#include "core/settings_file.hpp"

namespace ravix {

// The drawing editor's lines of "Ravix.ini".
struct EditorSettings {
  std::uint8_t backgroundColour = 0;
  std::uint8_t blankingColour = 0;
  std::int32_t gridSpacingX = 20;
  std::int32_t gridSpacingY = 20;
  std::int32_t pointSpace = 20;
  std::int32_t polygonSides = 5;
};

inline constexpr std::int32_t kMinPointSpace = 1;
inline constexpr std::int32_t kMinPolygonSides = 3;
inline constexpr std::int32_t kMinGridSpacing = 1;

// Colours keep the low 8 bits; spacings, Point Space and the sides are raised
// to their lower limits, so the grid and the shape generators always advance.
EditorSettings ReadEditorSettings(const SettingsFile& settings);
void WriteEditorSettings(SettingsFile& settings, const EditorSettings& values);

}  // namespace ravix
