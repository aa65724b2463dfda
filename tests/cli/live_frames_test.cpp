#include <gtest/gtest.h>

#include "core/ilda_file.hpp"
#include "support/points.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::P;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> Lines(const std::string& out) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < out.size()) {
    const std::size_t end = out.find('\n', at);
    lines.push_back(out.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

TEST(CliFrames, QuickPlayerDrawingMode) {
  TempFolder folder;
  // (0, 0) white; (128, 128) red, blanked, a vertex.
  WriteBytes(folder / "d.ddr", Bytes{0, 0, 0, 1, 0x00, 128, 128, 2, 2, 0x81});
  const std::string file = (folder / "d.ddr").string();
  CliRun run = RunCli({"frames", file, "--player", "quick", "--count", "3"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "6464\n0f00000009038080\n0f00000009038080\n");

  run = RunCli({"frames", file, "--player", "quick", "--count", "2", "--point", "--colour", "6"});
  EXPECT_EQ(run.out, "6464\n0301000003038080\n");

  run = RunCli({"frames", file, "--player", "quick", "--count", "3", "--sliders", "rotation=64"});
  const auto turned = Lines(run.out);
  ASSERT_EQ(turned.size(), 3u);
  EXPECT_EQ(turned[1], turned[2]);
  // (0, 0) turned by 181 degrees is (253.7, 258.2); the stretch folds y at 255.
  EXPECT_EQ(turned[1].substr(4, 4), "fdfb");
}

TEST(CliFrames, QuickPlayerIldaMode) {
  TempFolder folder;
  TILDAimage image;
  for (int f = 0; f < 3; ++f) {
    TILDAframe frame;
    frame.points = {P(-100 + 10 * f, 0, 0, 1)};
    image.frames.push_back(frame);
  }
  const std::string file = (folder / "a.ild").string();
  ASSERT_TRUE(IldaFileWrite(file, image).ok());

  CliRun run = RunCli({"frames", file, "--player", "ilda", "--count", "9", "--tick-each-write"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "6464\n0f001c7f\n0f00267f\n0f00307f\n");  // then the play ends

  run =
      RunCli({"frames", file, "--player", "ilda", "--count", "4", "--tick-each-write", "--paused"});
  EXPECT_EQ(run.out, "6464\n0f001c7f\n0f001c7f\n0f001c7f\n");

  run = RunCli({"frames", file, "--player", "ilda", "--count", "5", "--tick-each-write", "--loop"});
  EXPECT_EQ(run.out, "6464\n0f001c7f\n0f00267f\n0f00307f\n0f001c7f\n");
}

TEST(CliFrames, PagePlayerHoldsFramesForTimeFadePlusOneWrites) {
  TempFolder folder;
  const std::string file = (folder / "p.ilf").string();
  testing::WriteText(file,
                     "[DrawingList]\r\nDrawingName=0\r\n10,10,0,4,0,128|\r\n"
                     "DrawingName=1\r\n\r\nDrawingName=2\r\n30,30,0,2,0,129|\r\n");
  auto counts = [&](const std::string& fade, bool loop, int writes) {
    std::vector<std::string> args = {"frames",
                                     file,
                                     "--player",
                                     "pages",
                                     "--tick-each-write",
                                     "--time-fade",
                                     fade,
                                     "--count",
                                     std::to_string(writes)};
    if (loop)
      args.push_back("--loop");
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::pair<std::string, int>> runs;
    for (const std::string& line : Lines(run.out)) {
      if (runs.empty() || runs.back().first != line)
        runs.emplace_back(line, 0);
      ++runs.back().second;
    }
    return runs;
  };
  using Runs = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(counts("0", false, 100),
            (Runs{{"6464", 1}, {"0500f5f5", 1}, {"", 1}, {"0901e1e1", 1}}));
  EXPECT_EQ(counts("50", false, 500),
            (Runs{{"6464", 1}, {"0500f5f5", 51}, {"", 11}, {"0901e1e1", 51}}));
  EXPECT_EQ(counts("50", true, 1 + 113 + 51),
            (Runs{{"6464", 1}, {"0500f5f5", 51}, {"", 11}, {"0901e1e1", 51}, {"0500f5f5", 51}}));
  EXPECT_EQ(counts("0", true, 9), (Runs{{"6464", 1},
                                        {"0500f5f5", 1},
                                        {"", 1},
                                        {"0901e1e1", 1},
                                        {"0500f5f5", 1},
                                        {"", 1},
                                        {"0901e1e1", 1},
                                        {"0500f5f5", 1},
                                        {"", 1}}));
}

TEST(CliPlay, FrameListsAndIldaFilesPlayToTheirEnd) {
  TempFolder folder;
  const std::string list = (folder / "p.ilf").string();
  testing::WriteText(list, "[DrawingList]\r\nDrawingName=0\r\n10,10,0,4,0,128|\r\n");
  CliRun run = RunCli(
      {"--workspace", folder.path().string(), "play", list, "--simulate", "1", "--seconds", "5"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "ILF   begin Play...\nILF   over.....\n");

  TILDAimage image;
  image.frames.resize(2);
  const std::string ilda = (folder / "a.ild").string();
  ASSERT_TRUE(IldaFileWrite(ilda, image).ok());
  run = RunCli(
      {"--workspace", folder.path().string(), "play", ilda, "--simulate", "1", "--seconds", "5"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "ILDAimage starting\nILDA image over\n");
  EXPECT_EQ(RunCli({"play", (folder / "gone.ilf").string(), "--seconds", "0"}).exitCode, 1);
}

}  // namespace
}  // namespace ravix
