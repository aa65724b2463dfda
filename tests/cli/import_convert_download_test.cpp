#include <gtest/gtest.h>

#include "core/drawing_file.hpp"
#include "core/ilda_file.hpp"
#include "drawing/frame_list_file.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteText;

constexpr const char* kSevenLines =
    "IN;\r\nSP1;\r\nLT;\r\nPU100 100;\r\nPD200 100;\r\nPD200 200;\r\nSP0;\r\n";

TEST(CliImportPlt, PrintsCanvasPointsOrWritesTheDrawingAtScaleTwo) {
  TempFolder folder;
  WriteText(folder / "a.plt", kSevenLines);
  CliRun run = RunCli({"import-plt", (folder / "a.plt").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "{\"type\":\"drawing\",\"objects\":[[[0,510,0,4,1],[100,510,0,4,0],[100,410,0,4,0]]]}\n");
  EXPECT_EQ(run.err, "");

  run = RunCli({"import-plt", (folder / "a.plt").string(), "--colour", "9", "-o",
                (folder / "a.ddr").string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  Drawing drawing;
  ASSERT_TRUE(DrawingFileRead(folder / "a.ddr", drawing, 2));
  EXPECT_EQ(drawing, (Drawing{{LaserPoint{0, 510, 0, 9, 0, 1}, LaserPoint{100, 510, 0, 9, 0, 0},
                               LaserPoint{100, 410, 0, 9, 0, 0}}}));
}

TEST(CliImportPlt, SizeFactorsAndSkippedLines) {
  TempFolder folder;
  WriteText(folder / "span.plt", "LT\nPU0 0;\nPD2000 0;\nPD1000,5;\nPU1 1;PD2 2;\nSP0;\n");
  CliRun run = RunCli({"import-plt", (folder / "span.plt").string(), "--size", "19"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "{\"type\":\"drawing\",\"objects\":[[[0,510,0,4,1],[333,510,0,4,0]]]}\n");
  EXPECT_EQ(run.err, "ravix-cli: 2 PU/PD lines could not be read and were skipped\n");

  EXPECT_EQ(RunCli({"import-plt", (folder / "span.plt").string(), "--size", "21"}).exitCode, 2);
  EXPECT_EQ(RunCli({"import-plt", (folder / "span.plt").string(), "--fine", "41"}).exitCode, 2);
  EXPECT_EQ(RunCli({"import-plt", (folder / "missing.plt").string()}).exitCode, 1);
}

TEST(CliConvert, IldaToFrameListWithReduction) {
  TempFolder folder;
  TILDAimage image;
  image.frames.resize(1);
  for (int x : {-128, -126, -120, 0})
    image.frames[0].points.push_back(LaserPoint{x, 0, 0, 3, 0, 0});
  ASSERT_TRUE(IldaFileWrite(folder / "a.ild", image));
  CliRun run = RunCli(
      {"convert", (folder / "a.ild").string(), (folder / "a.ilf").string(), "--reduce", "5"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  FrameList frames;
  ASSERT_TRUE(FrameListRead(folder / "a.ilf", frames));
  EXPECT_EQ(frames, (FrameList{{{LaserPoint{0, 127, 0, 3, 0, 0}, LaserPoint{8, 127, 0, 3, 0, 0},
                                 LaserPoint{128, 127, 0, 3, 0, 0}}}}));

  EXPECT_EQ(RunCli({"convert", (folder / "a.ild").string(), (folder / "b.ilf").string(), "--reduce",
                    "301"})
                .exitCode,
            2);
  EXPECT_EQ(
      RunCli({"convert", (folder / "a.ild").string(), (folder / "b.ild").string(), "--reduce", "3"})
          .exitCode,
      2);
}

TEST(CliLampDownload, MissingFileOrPortEndsWithItsBox) {
  TempFolder folder;
  CliRun run = RunCli({"lamp-download", (folder / "none.bin").string(), "--port", "/dev/null"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "[box] 文件不存在!\n");
  WriteText(folder / "a.bin", "x");
  run = RunCli(
      {"lamp-download", (folder / "a.bin").string(), "--port", (folder / "no-such-tty").string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "[box] 串口打开失败!\n");
  EXPECT_EQ(RunCli({"lamp-download", (folder / "a.bin").string()}).exitCode, 2);
}

}  // namespace
}  // namespace ravix
