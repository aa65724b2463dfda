#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::FixturePath;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteBytes;

TEST(CliDump, DrawingAtScale) {
  TempFolder folder;
  WriteBytes(folder / "d.DDR", Bytes{1, 2, 3, 4, 0x01, 5, 6, 0, 7, 0x80, 8, 9, 0, 1, 0x80});
  CliRun run = RunCli({"dump", (folder / "d.DDR").string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"drawing\",\"objects\":[[[1,2,3,4,1],[5,6,0,7,0]],[[8,9,0,1,0]]]}\n");
  run = RunCli({"dump", (folder / "d.DDR").string(), "--scale", "2"});
  EXPECT_EQ(run.out,
            "{\"type\":\"drawing\",\"objects\":[[[2,4,3,4,1],[10,12,0,7,0]],[[16,18,0,1,0]]]}\n");
}

TEST(CliDump, IldaWithPaletteNamesAndMessage) {
  Bytes data = {'I', 'L', 'D', 'A', 0,   0, 0,    2,    'p',  'a',  'l',  0xE9, 0,
                0,   0,   0,   'c', '"', 0, 0,    0,    0,    0,    0,    0,    1,
                0,   0,   0,   1,   4,   5, 0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01};
  const Bytes frame = {'I', 'L', 'D', 'A', 0,    0,    0,    0,    'f',  0,    0,    0, 0, 0,
                       0,   0,   'c', 0,   0,    0,    0,    0,    0,    0,    0,    1, 0, 7,
                       0,   9,   2,   3,   0xFF, 0x00, 0x01, 0x00, 0x7F, 0x00, 0xC0, 4};
  data.insert(data.end(), frame.begin(), frame.end());
  data.insert(data.end(), {'X', 'X', 'X', 'X'});
  TempFolder folder;
  WriteBytes(folder / "i.ild", data);
  const CliRun run = RunCli({"dump", (folder / "i.ild").string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"ilda\",\"frames\":[{\"name\":\"f\",\"company\":\"c\",\"pointCount\":1,"
            "\"frameNumber\":7,\"totalFrames\":9,\"scannerHead\":2,\"reserved\":3,"
            "\"points\":[[-1,1,127,4,1]]}],\"palettes\":[{\"name\":\"pal\xC3\xA9\","
            "\"company\":\"c\\\"\",\"entryCount\":1,\"paletteNumber\":0,\"totalPalettes\":1,"
            "\"scannerHead\":4,\"reserved\":5,\"entries\":[\"deadbeef0001\"]}],"
            "\"messages\":[\"Read Error!\"]}\n");
}

TEST(CliDump, FixturesDumpInFull) {
  const auto boeing = FixturePath("ilda/boeing.ild");
  if (boeing.empty())
    GTEST_SKIP() << "no shared fixtures";
  const CliRun run = RunCli({"dump", boeing.string()});
  EXPECT_EQ(run.exitCode, 0);
  std::size_t frames = 0;
  for (std::size_t at = run.out.find("\"name\":"); at != std::string::npos;
       at = run.out.find("\"name\":", at + 1)) {
    ++frames;
  }
  EXPECT_EQ(frames, 61u);
  EXPECT_EQ(run.out.back(), '\n');
}

TEST(CliConvert, DrawingsToIldaInOrder) {
  TempFolder folder;
  const Drawing first = {{LaserPoint{0, 0, 0, 1, 0, 1}, LaserPoint{10, 10, 0, 2, 0, 0}},
                         {LaserPoint{20, 20, 0, 3, 0, 0}}};
  const Drawing second = {{LaserPoint{255, 255, 0, 4, 0, 0}}};
  ASSERT_TRUE(DrawingFileWrite(folder / "a.ddr", first, 1));
  ASSERT_TRUE(DrawingFileWrite(folder / "b.ddr", second, 1));
  WriteBytes(folder / "out.ild", Bytes{1, 2, 3});
  const CliRun run = RunCli({"convert", (folder / "b.ddr").string(), (folder / "a.ddr").string(),
                             (folder / "out.ild").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");

  TILDAimage image;
  IldaFileRead(folder / "out.ild", image);
  ASSERT_EQ(image.frames.size(), 2u);
  EXPECT_EQ(image.frames[0].points.size(), 1u);
  EXPECT_EQ(image.frames[0].points[0].x, 127);
  ASSERT_EQ(image.frames[1].points.size(), 3u);
  EXPECT_EQ(image.frames[1].points[0].y, 127);  // 128 - 0 clamped by the writer
  EXPECT_EQ(image.frames[1].points[0].blanked, 1);
  EXPECT_EQ(ReadBytes(folder / "out.ild").size(), 32u * 2 + 8 * 4 + 26);
}

TEST(CliUsage, ExitCodes) {
  TempFolder folder;
  const std::string missing = (folder / "missing.ddr").string();
  struct Case {
    std::vector<std::string> args;
    int exitCode;
  };
  const Case cases[] = {
      {{}, 2},
      {{"no-such-command"}, 2},
      {{"dump"}, 2},
      {{"dump", missing, "--bogus"}, 2},
      {{"dump", missing, "--scale"}, 2},
      {{"dump", missing, "--scale", "x"}, 2},
      {{"dump", "file.xyz"}, 2},
      {{"dump", missing}, 1},
      {{"convert", missing}, 2},
      {{"convert", missing, (folder / "o.ild").string()}, 1},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << ::testing::PrintToString(c.args);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace ravix
