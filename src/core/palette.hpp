#pragma once

#include <array>
#include <cstdint>

namespace ravix {

// A palette colour packed as 0x00BBGGRR (red in the low byte).
using PackedColour = std::uint32_t;

// The fixed 256-entry palette, packed.
extern const std::array<PackedColour, 256> kPalette;

// Every index has an entry.
inline PackedColour PaletteColour(std::uint8_t index) {
  return kPalette[index];
}

inline constexpr std::uint8_t RedOf(PackedColour c) {
  return c & 0xFF;
}
inline constexpr std::uint8_t GreenOf(PackedColour c) {
  return (c >> 8) & 0xFF;
}
inline constexpr std::uint8_t BlueOf(PackedColour c) {
  return (c >> 16) & 0xFF;
}

// Named colours of the user interface.
inline constexpr std::uint8_t kColourBlack = 0;
inline constexpr std::uint8_t kColourWhite = 1;
inline constexpr std::uint8_t kColourRed = 2;
inline constexpr std::uint8_t kColourYellow = 3;
inline constexpr std::uint8_t kColourGreen = 4;
inline constexpr std::uint8_t kColourCyan = 5;
inline constexpr std::uint8_t kColourBlue = 6;
inline constexpr std::uint8_t kColourMagenta = 7;

// Colour-override modes of the players; resolved to an index before lookup.
inline constexpr int kColourModeAuto = 257;
inline constexpr int kColourModeRnd1 = 258;
inline constexpr int kColourModeRnd2 = 259;
inline constexpr int kColourModeRnd3 = 260;

// The names the colour choosers show.
inline constexpr const char* kColourNames[] = {"Black", "Whilte", "Red",  "Yellow",
                                               "Green", "Cyan",   "Blue", "Mage"};
inline constexpr const char* kColourModeNames[] = {"Auto", "Rnd1", "Rnd2", "Rnd3"};

}  // namespace ravix
