#include "output/frame_encoder.hpp"

#include <gtest/gtest.h>

#include "core/palette.hpp"
#include "support/points.hpp"

namespace ravix {
namespace {

using testing::P;

DeviceRecord Encode(const LaserPoint& p, const PlaySettingsValues& s = {},
                    BasePosition base = BasePosition::kMirrored) {
  return EncodePoint(p, s, base);
}

TEST(FrameEncoder, PositionsAtDefaultSettings) {
  EXPECT_EQ(Encode(P(0, 0, 0, kColourWhite)), (DeviceRecord{15, 0, 255, 255}));
  EXPECT_EQ(Encode(P(255, 255, 0, kColourWhite)), (DeviceRecord{15, 0, 0, 0}));
  EXPECT_EQ(Encode(P(128, 128, 0, kColourWhite)), (DeviceRecord{15, 0, 127, 127}));
  EXPECT_EQ(Encode(P(0, 0, 0, kColourWhite), {}, BasePosition::kAsStored),
            (DeviceRecord{15, 0, 0, 0}));
  EXPECT_EQ(Encode(P(10, 20, 0, kColourWhite), {}, BasePosition::kMirroredY),
            (DeviceRecord{15, 0, 10, 235}));
  PlaySettingsValues inverted;
  inverted.invertX = true;
  EXPECT_EQ(Encode(P(10, 20, 0, kColourWhite), inverted), (DeviceRecord{15, 0, 10, 235}));
}

TEST(FrameEncoder, GeometrySettings) {
  PlaySettingsValues s;
  s.sizeX = 0;
  EXPECT_EQ(Encode(P(3, 90, 0, kColourWhite), s).x, 128);
  s.sizeX = 40;
  EXPECT_EQ(Encode(P(255 - 150, 0, 0, kColourWhite), s).x, 172);  // 150 is 22 from the centre: 44
  EXPECT_EQ(Encode(P(255 - 250, 0, 0, kColourWhite), s).x, 255);
  EXPECT_EQ(Encode(P(255 - 10, 0, 0, kColourWhite), s).x, 0);

  PlaySettingsValues offset;
  offset.offsetX = 254;
  offset.offsetY = -256;
  const DeviceRecord r = Encode(P(0, 255, 0, kColourWhite), offset);
  EXPECT_EQ(r.x, 1);    // 255 - 254
  EXPECT_EQ(r.y, 255);  // 0 + 256, limited

  PlaySettingsValues angle;
  angle.locateAngle = 90;
  // Base (255, 128) turns to (128, 255) within rounding, then truncates.
  const DeviceRecord turned = Encode(P(0, 127, 0, kColourWhite), angle);
  EXPECT_EQ(turned.x, 128);
  EXPECT_EQ(turned.y, 254);
}

TEST(FrameEncoder, ColourBitsAndFlags) {
  PlaySettingsValues s;
  EXPECT_EQ(Encode(P(1, 1, 0, kColourBlack), s).colourBits, 0);
  EXPECT_EQ(Encode(P(1, 1, 0, kColourRed), s).colourBits, 9);
  EXPECT_EQ(Encode(P(1, 1, 0, kColourCyan), s).colourBits, 7);
  s.blueDepth = 200;
  s.brightness = 200;
  EXPECT_EQ(Encode(P(1, 1, 0, kColourBlue), s).colourBits, 3);
  s = {};
  s.brightness = 5;  // index 141 is (128, 12, 0): green 12 x 100 x 5 < 10000 goes off
  EXPECT_EQ(Encode(P(1, 1, 0, 141), s).colourBits, 9);
  s = {};
  s.redDepth = 0;
  EXPECT_EQ(Encode(P(1, 1, 0, kColourRed), s).colourBits, 0);
  EXPECT_EQ(Encode(P(1, 1, 2, kColourWhite, 1)).flags, 3);
  EXPECT_EQ(Encode(P(1, 1, 1, kColourWhite, 7)).flags, 1);
  EXPECT_EQ(Encode(P(1, 1, 3, kColourWhite)).flags, 2);
}

TEST(FrameEncoder, ScaledPaletteColourTruncatesAndLimits) {
  PlaySettingsValues s;
  s.brightness = 5;  // index 141 is (128, 12, 0)
  EXPECT_EQ(ScaledPaletteColour(141, s), 0x000006u);
  s = {};
  s.redDepth = 150;
  s.greenDepth = 0;
  EXPECT_EQ(ScaledPaletteColour(141, s), 0x0000C0u);
  s = {};
  s.blueDepth = 200;
  s.brightness = 200;
  EXPECT_EQ(ScaledPaletteColour(kColourBlue, s), 0xFF0000u);
}

TEST(FrameEncoder, FrameConcatenatesObjectsAndReusesItsBlock) {
  const Drawing drawing = {{P(0, 0, 0, kColourWhite), P(255, 255, 0, kColourRed, 1)},
                           {},
                           {P(128, 128, 0, kColourWhite)}};
  std::vector<std::uint8_t> block;
  ASSERT_TRUE(EncodeFrame(drawing, PlaySettingsValues(), BasePosition::kMirrored, block));
  EXPECT_EQ(block, (std::vector<std::uint8_t>{15, 0, 255, 255, 9, 1, 0, 0, 15, 0, 127, 127}));
  const auto* storage = block.data();
  ASSERT_TRUE(EncodeFrame(drawing, PlaySettingsValues(), BasePosition::kMirrored, block));
  EXPECT_EQ(block.data(), storage);
  ASSERT_TRUE(EncodeFrame(Drawing{}, PlaySettingsValues(), BasePosition::kMirrored, block));
  EXPECT_TRUE(block.empty());

  std::atomic<bool> stop{true};
  EXPECT_FALSE(EncodeFrame(drawing, PlaySettingsValues(), BasePosition::kMirrored, block, &stop));
}

TEST(FrameEncoder, PlaceTakesPositionsMovedByEffects) {
  PlaySettingsValues s;
  const PointEncoder encoder(s, BasePosition::kAsStored);
  EncoderPosition p = encoder.Orient(P(40, 50, 0, kColourWhite));
  p.x += 0.9;
  EXPECT_EQ(encoder.Place(p, kColourGreen, 0, 0), (DeviceRecord{5, 0, 40, 50}));
  EXPECT_EQ(encoder.Place({-1e12, 1e12}, kColourGreen, 1, 0), (DeviceRecord{5, 1, 0, 255}));
}

}  // namespace
}  // namespace ravix
