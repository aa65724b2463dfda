#include "segments/effect_file.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

TEST(EffectFile, WritesIntoTheEffectFolderAndReadsTheStepsBack) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "Effect");
  const Workspace workspace(folder.path());
  const int rotate[] = {128, 128, 200};
  const int move[] = {140};
  const std::vector<EffectStep> steps = {FormatEffectStep("hb", move),
                                         FormatEffectStep("ro", rotate), "co:200"};
  EXPECT_EQ(steps[0], "hb:140");
  EXPECT_EQ(steps[1], "ro:128,128,200");

  WriteText(folder / "Effect/Drift.ect", "old");
  ASSERT_TRUE(EffectFileWrite(workspace, "Drift", steps));
  EXPECT_EQ(ReadText(folder / "Effect/Drift.ect"),
            "EffectName=Drift.ect\r\nhb:140\r\nro:128,128,200\r\nco:200\r\n");
  std::vector<EffectStep> back = {"stale"};
  ASSERT_TRUE(EffectFileRead(folder / "Effect/Drift.ect", back));
  EXPECT_EQ(back, steps);
}

TEST(EffectFile, FirstLineIsDroppedWhateverItHolds) {
  TempFolder folder;
  struct Case {
    const char* text;
    std::vector<EffectStep> steps;
  };
  const Case cases[] = {
      {"EffectName=MyEffect1.ect\r\n", {}},
      {"", {}},
      {"hb:1\nvb:2\r\n\r\n zoom:1,2,3 \r", {"vb:2", "", " zoom:1,2,3 "}},
  };
  for (const Case& c : cases) {
    WriteText(folder / "e.ect", c.text);
    std::vector<EffectStep> steps;
    ASSERT_TRUE(EffectFileRead(folder / "e.ect", steps));
    EXPECT_EQ(steps, c.steps) << c.text;
  }
  std::vector<EffectStep> steps = {"x"};
  EXPECT_FALSE(EffectFileRead(folder / "missing.ect", steps));
  EXPECT_TRUE(steps.empty());
}

}  // namespace
}  // namespace ravix
