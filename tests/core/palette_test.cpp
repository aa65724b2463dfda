#include "core/palette.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

struct Entry {
  int index;
  std::uint32_t rgb;
};

TEST(Palette, EntriesAcrossEveryBandArePackedBgr) {
  const Entry entries[] = {
      {0, 0x000000},   {1, 0xFFFFFF},   {7, 0xFF00FF},   {8, 0xFF8080},   {73, 0xFF808C},
      {74, 0xFF0000},  {139, 0xFF0017}, {140, 0x800000}, {205, 0x80000C}, {206, 0xFFC0C0},
      {230, 0xFF6060}, {231, 0xFFFFFF}, {254, 0x0B0B0B}, {255, 0x000000}, {118, 0x0000FF},
  };
  for (const Entry& e : entries) {
    const PackedColour c = PaletteColour(static_cast<std::uint8_t>(e.index));
    EXPECT_EQ(RedOf(c), (e.rgb >> 16) & 0xFF) << e.index;
    EXPECT_EQ(GreenOf(c), (e.rgb >> 8) & 0xFF) << e.index;
    EXPECT_EQ(BlueOf(c), e.rgb & 0xFF) << e.index;
  }
  EXPECT_EQ(PaletteColour(6), 0x00FF0000u);  // blue sits in bits 16..23
}

TEST(Palette, DuplicatePairsGiveTheSameColour) {
  const int pairs[][2] = {{2, 74},  {3, 85},  {4, 96},  {5, 107},
                          {6, 118}, {7, 129}, {1, 231}, {0, 255}};
  for (const auto& pair : pairs) {
    EXPECT_EQ(PaletteColour(static_cast<std::uint8_t>(pair[0])),
              PaletteColour(static_cast<std::uint8_t>(pair[1])))
        << pair[0] << " and " << pair[1];
  }
}

TEST(Palette, GreyRampFallsEvenly) {
  for (int i = 231; i <= 254; ++i) {
    const PackedColour c = PaletteColour(static_cast<std::uint8_t>(i));
    EXPECT_EQ(RedOf(c), GreenOf(c));
    EXPECT_EQ(GreenOf(c), BlueOf(c));
    if (i > 231) {
      EXPECT_LT(RedOf(c), RedOf(PaletteColour(static_cast<std::uint8_t>(i - 1))));
    }
  }
}

}  // namespace
}  // namespace ravix
