#include "segments/compiled_effect.hpp"

#include <gtest/gtest.h>

namespace ravix {
namespace {

TEST(CompileStep, ReadsTheTenCodesWithTheirValues) {
  struct Case {
    const char* line;
    EffectCode code;
    std::array<std::uint8_t, 3> values;
  };
  const Case cases[] = {
      {"hb:128", EffectCode::kHorizontalMove, {128, 0, 0}},
      {"vb:0", EffectCode::kVerticalMove, {0, 0, 0}},
      {"hs:255", EffectCode::kHorizontalStretch, {255, 0, 0}},
      {"vs:7", EffectCode::kVerticalStretch, {7, 0, 0}},
      {"hr:1", EffectCode::kHorizontalTurn, {1, 0, 0}},
      {"vr:200", EffectCode::kVerticalTurn, {200, 0, 0}},
      {"ro:128,128,200", EffectCode::kRotate, {128, 128, 200}},
      {"zoom:1,2,3", EffectCode::kZoom, {1, 2, 3}},
      {"co:30", EffectCode::kColourRotation, {30, 0, 0}},
      {"sd:10,20,128", EffectCode::kSlowDraw, {10, 20, 128}},
  };
  for (const Case& c : cases) {
    const auto step = CompileStep(c.line);
    ASSERT_TRUE(step) << c.line;
    EXPECT_EQ(*step, (CompiledStep{c.code, c.values})) << c.line;
  }
}

TEST(CompileStep, PassesOverLinesOutsideTheGrammar) {
  for (const char* line : {"", "hb", "hb:", "xx:5", "HB:5", "hb:256", "hb:-1", "hb:12x", "hb:1,2",
                           "ro:1,2", "ro:1,2,3,4", "ro:1,,3", "zoom:1,2,300", "sd:a,b,c",
                           "(rotate)", "hb:128(horizontal move)"}) {
    EXPECT_FALSE(CompileStep(line)) << line;
  }
}

TEST(CompileEffectList, FindsEffectsByNameIgnoringCaseAndKeepsOnlyValidSteps) {
  const EffectList list{{{"Spin.ect", {"ro:128,128,160", "bogus", "co:5"}},
                         {"spin.ect", {"hb:1"}},
                         {"Empty.ect", {}}}};
  const CompiledEffectList compiled = CompileEffectList(list, 1);
  const auto spin = compiled.Find("SPIN.ECT");
  ASSERT_EQ(spin.size(), 2u);
  EXPECT_EQ(spin[0].code, EffectCode::kRotate);
  EXPECT_EQ(spin[1].code, EffectCode::kColourRotation);
  EXPECT_TRUE(compiled.Find("null").empty());
  EXPECT_TRUE(compiled.Find("Empty.ect").empty());
  ASSERT_EQ(compiled.Selected().size(), 1u);
  EXPECT_EQ(compiled.Selected()[0].code, EffectCode::kHorizontalMove);
  EXPECT_TRUE(CompileEffectList(list, 3).Selected().empty());
}

}  // namespace
}  // namespace ravix
