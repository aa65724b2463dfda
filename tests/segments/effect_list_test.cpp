#include "segments/effect_list.hpp"

#include <gtest/gtest.h>

#include "core/text_lines.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

using Lines = std::vector<std::string>;

TEST(EffectList, WriteThenReadGivesTheSameBlock) {
  const EffectList list = {{
      {"Drift.ect", {"hb:140", "co:200"}},
      {"Spin.ect", {"ro:128,128,160"}},
      {"Empty.ect", {}},
      {"Odd.ect", {" hb:1 ", "", "xx:9,9"}},
  }};
  const Lines lines = EffectListWrite(list);
  EXPECT_EQ(lines, (Lines{"[EffectList]", "EffectName=Drift.ect", "hb:140", "co:200",
                          "EffectName=Spin.ect", "ro:128,128,160", "EffectName=Empty.ect",
                          "EffectName=Odd.ect", " hb:1 ", "", "xx:9,9"}));
  EXPECT_EQ(EffectListRead(lines), list);

  TempFolder folder;
  ASSERT_TRUE(EffectListFileWrite(folder / "a.ecl", list));
  EXPECT_EQ(ReadText(folder / "a.ecl").substr(0, 36), "[EffectList]\r\nEffectName=Drift.ect\r\n");
  EffectList back;
  ASSERT_TRUE(EffectListFileRead(folder / "a.ecl", back));
  EXPECT_EQ(back, list);
}

TEST(EffectList, BlockStartsAfterTheFirstHeaderOrAtTheFirstLine) {
  struct Case {
    Lines lines;
    EffectList expected;
  };
  const Case cases[] = {
      // Everything before the header is passed over, letter case of the header ignored.
      {{"EffectName=Before", "hb:1", "[effectLIST]", "stray", "EffectName=A", "vb:2",
        "[EffectList]"},
       {{{"A", {"vb:2", "[EffectList]"}}}}},
      // Without a header the block starts at the first line.
      {{"EffectName=First.ect", "hb:1", "EffectName=Second.ect"},
       {{{"First.ect", {"hb:1"}}, {"Second.ect", {}}}}},
      {{"orphan step", "EffectName=A"}, {{{"A", {}}}}},
      // The marker anywhere in a line starts an effect; 11 characters go.
      {{"[EffectList]", "xxEffectName=Foo", "hb:1 EffectName=x"},
       {{{"e=Foo", {}}, {"Name=x", {}}}}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EffectListRead(c.lines), c.expected) << ::testing::PrintToString(c.lines);
  }
}

TEST(EffectList, LookupIgnoresLetterCaseAndFindsTheFirst) {
  const EffectList list = {{{"Spin.ect", {"ro:1,1,1"}}, {"SPIN.ECT", {"ro:2,2,2"}}, {"b", {}}}};
  ASSERT_NE(list.Find("spin.ect"), nullptr);
  EXPECT_EQ(list.Find("spin.ect"), &list.effects[0]);
  EXPECT_EQ(list.Find("Spin.ect"), &list.effects[0]);
  EXPECT_EQ(list.Find("B"), &list.effects[2]);
  EXPECT_EQ(list.Find("Spin"), nullptr);
  EXPECT_EQ(list.Find("null"), nullptr);
}

TEST(EffectList, MissingFileIsReportedAndEmptiesTheList) {
  TempFolder folder;
  EffectList list = {{{"a", {}}}};
  EXPECT_FALSE(EffectListFileRead(folder / "neweffect.ecl", list));
  EXPECT_TRUE(list.effects.empty());
  WriteText(folder / "lf.ecl", "[EffectList]\nEffectName=A\nhb:1");
  ASSERT_TRUE(EffectListFileRead(folder / "lf.ecl", list));
  EXPECT_EQ(list, (EffectList{{{"A", {"hb:1"}}}}));
}

}  // namespace
}  // namespace ravix
