#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "drawing/frame_list_file.hpp"
#include "support/points.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::P;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteText;

TEST(CliConvertFrameLists, DrawingsToFrameListAndBackByExplosion) {
  TempFolder folder;
  const Drawing first = {{P(0, 0, 0, 1, 1), P(10, 10, 2, 2)}, {P(20, 20, 3, 3)}};
  const Drawing second = {{P(255, 255, 0, 4)}};
  ASSERT_TRUE(DrawingFileWrite(folder / "a.ddr", first, 1));
  ASSERT_TRUE(DrawingFileWrite(folder / "b.DDR", second, 1));
  CliRun run = RunCli({"convert", (folder / "b.DDR").string(), (folder / "a.ddr").string(),
                       (folder / "b.DDR").string(), (folder / "show.ilf").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  FrameList frames;
  ASSERT_TRUE(FrameListRead(folder / "show.ilf", frames));
  EXPECT_EQ(frames, (FrameList{second, first, second}));

  run = RunCli({"convert", (folder / "show.ilf").string(), (folder / "show").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const char* names[] = {"show_Frames_00001.ddr", "show_Frames_00002.ddr", "show_Frames_00003.ddr"};
  for (std::size_t i = 0; i < 3; ++i) {
    Drawing drawing;
    ASSERT_TRUE(DrawingFileRead(folder / names[i], drawing, 1));
    EXPECT_EQ(drawing, frames[i]);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "show_Frames_00004.ddr"));
}

TEST(CliConvertFrameLists, IldaToFrameListAndMerge) {
  TempFolder folder;
  TILDAimage image;
  image.frames.resize(2);
  image.frames[0].points = {P(-128, 127, 0, 5, 1), P(127, -128, 0, 6)};
  image.frames[1].points = {P(0, 0)};
  image.palettes.resize(1);
  ASSERT_TRUE(IldaFileWrite(folder / "Image1.ild", image));

  CliRun run =
      RunCli({"convert", (folder / "Image1.ild").string(), (folder / "Image1.ilf").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  FrameList frames;
  ASSERT_TRUE(FrameListRead(folder / "Image1.ilf", frames));
  EXPECT_EQ(frames, (FrameList{{{P(0, 0, 0, 5, 1), P(255, 255, 0, 6)}}, {{P(128, 127)}}}));

  run = RunCli({"convert", (folder / "Image1.ild").string(), (folder / "Image1.ild").string(),
                (folder / "merged.ild").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  TILDAimage merged;
  IldaFileRead(folder / "merged.ild", merged);
  EXPECT_EQ(merged.frames.size(), 4u);
  EXPECT_TRUE(merged.palettes.empty());
}

TEST(CliConvertFrameLists, RefusesWhatItCannotDo) {
  TempFolder folder;
  WriteText(folder / "bad.ilf", "[DrawingList]\r\nDrawingName=0\r\n1,q,0,1,0,128|\r\n");
  WriteText(folder / "a.ild", "");
  struct Case {
    std::vector<std::string> args;
    int exitCode;
  };
  const Case cases[] = {
      {{"convert", (folder / "bad.ilf").string(), (folder / "bad").string()}, 1},
      {{"convert", (folder / "a.ild").string(), (folder / "a.ild").string(),
        (folder / "x.ilf").string()},
       2},
      {{"convert", (folder / "bad.ilf").string(), (folder / "x.ddr").string()}, 2},
      {{"convert", (folder / "a.ild").string(), (folder / "x.ild").string(), "--reduce", "3"}, 2},
      {{"convert", (folder / "a.ild").string(), (folder / "x.ilf").string(), "--reduce", "-1"}, 2},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "bad_Frames_00001.ddr"));
  EXPECT_FALSE(std::filesystem::exists(folder / "x.ilf"));
}

}  // namespace
}  // namespace ravix
