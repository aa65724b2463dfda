#include "shows/colour_cycle.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

TEST(ColourCycle, MovesTheOffsetEvery121PointsUnlessPaused) {
  ColourCycle cycle;
  std::atomic<bool> changed{false};
  std::int32_t offset = 231;
  for (int i = 0; i < 121; ++i)
    cycle.Step(offset, false, changed);
  EXPECT_EQ(offset, 231);
  EXPECT_FALSE(changed);
  cycle.Step(offset, true, changed);
  EXPECT_EQ(offset, 231);
  cycle.Step(offset, false, changed);
  EXPECT_EQ(offset, 0);
  EXPECT_TRUE(changed);
  for (int i = 0; i < 121; ++i)
    cycle.Step(offset, false, changed);
  EXPECT_EQ(offset, 1);
}

}  // namespace
}  // namespace ravix
