#include <gtest/gtest.h>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteBytes;
using testing::WriteText;

TEST(CliShape, PrintsTheGeneratedPoints) {
  struct Case {
    std::vector<std::string> args;
    std::string points;
  };
  for (const Case& c : {
           Case{{"line", "0", "0", "30", "40", "--spacing", "10"}, "[6,8],[12,16],[18,24],[24,32]"},
           Case{{"polygon", "256", "256", "356", "256", "--sides", "4"},
                "[257,355],[156,258],[251,156],[355,250],[257,355]"},
           Case{{"line", "0", "0", "50", "0"}, "[20,0],[40,0]"},
           Case{{"ellipse", "10", "10", "10", "90"}, ""},
       }) {
    std::vector<std::string> args = {"shape"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "{\"type\":\"points\",\"points\":[" + c.points + "]}\n");
  }
  const CliRun ellipse =
      RunCli({"shape", "ellipse", "100", "100", "200", "160", "--spacing", "10"});
  EXPECT_EQ(ellipse.out.rfind("{\"type\":\"points\",\"points\":[[200,130],", 0), 0u);
  EXPECT_NE(ellipse.out.find("[100,130]"), std::string::npos);
  EXPECT_NE(ellipse.out.find(",[200,130]]}"), std::string::npos);

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"shape", "line", "0", "0", "1"},
        {"shape", "star", "0", "0", "1", "1"},
        {"shape", "line", "0", "0", "9", "x"},
        {"shape", "line", "0", "0", "9", "9", "--spacing", "0"},
        {"shape", "polygon", "0", "0", "9", "9", "--sides", "2"}}) {
    EXPECT_EQ(RunCli(bad).exitCode, 2) << bad[1];
  }
}

TEST(CliDevices, ListsSimulatedControllers) {
  CliRun run = RunCli({"devices", "--simulate", "2"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"devices\",\"drivers\":[\"ezusb-0\",\"ezusb-1\"],"
            "\"display\":[\"Usb-0\",\"Usb-1\"]}\n");
  run = RunCli({"devices", "--simulate", "0"});
  EXPECT_EQ(run.out, "{\"type\":\"devices\",\"drivers\":[],\"display\":[]}\n");
  EXPECT_EQ(RunCli({"devices"}).exitCode, 0);  // real USB: whatever is attached, maybe nothing
  EXPECT_EQ(RunCli({"devices", "--simulate", "129"}).exitCode, 2);
}

TEST(CliFrames, PicturePlayerAsTheWindowSendsIt) {
  TempFolder folder;
  // Editor-scale file points (0, 0) white and (128, 128) red, blanked, a vertex.
  WriteBytes(folder / "d.ddr", Bytes{0, 0, 0, 1, 0x00, 128, 128, 2, 2, 0x81});
  CliRun run = RunCli({"frames", (folder / "d.ddr").string(), "--player", "picture"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "6464\n");
  run = RunCli({"frames", (folder / "d.ddr").string(), "--player", "picture", "--count", "3"});
  EXPECT_EQ(run.out, "6464\n0f00ffff09037f7f\n0f00ffff09037f7f\n");

  std::string ini;
  for (int i = 0; i < 50; ++i)
    ini += (i == 19 ? "300" : i == 25 ? "7" : "") + std::string("\r\n");
  WriteText(folder / "Ravix.ini", ini);
  run = RunCli({"frames", (folder / "d.ddr").string(), "--player", "picture", "--count", "2",
                "--settings", (folder / "Ravix.ini").string(), "--invert-x", "--colour", "258",
                "--sliders", "zoom=3,chspeed=9"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "072c\n0f0000ff0903807f\n");

  WriteBytes(folder / "empty.ddr", Bytes{});
  run = RunCli({"frames", (folder / "empty.ddr").string(), "--player", "picture"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");

  const std::string file = (folder / "d.ddr").string();
  EXPECT_EQ(RunCli({"frames", file}).exitCode, 2);
  EXPECT_EQ(RunCli({"frames", file, "--player", "nobody"}).exitCode, 2);
  EXPECT_EQ(RunCli({"frames", file, "--player", "ilda"}).exitCode, 2);
  EXPECT_EQ(RunCli({"frames", file, "--player", "picture", "--colour", "256"}).exitCode, 2);
  EXPECT_EQ(RunCli({"frames", file, "--player", "picture", "--sliders", "spin=1"}).exitCode, 2);
  EXPECT_EQ(RunCli({"frames", (folder / "gone.ddr").string(), "--player", "picture"}).exitCode, 1);
}

TEST(CliPlay, PlaysADrawingForTheGivenTime) {
  TempFolder folder;
  WriteBytes(folder / "d.ddr", Bytes{0, 0, 0, 1, 0x80});
  const CliRun run = RunCli({"--workspace", folder.path().string(), "play",
                             (folder / "d.ddr").string(), "--simulate", "1", "--seconds", "1"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "start to play drawing...\nplaying d.ddr: 1 s\nOver...\n");
  EXPECT_EQ(RunCli({"play", (folder / "gone.ddr").string(), "--seconds", "0"}).exitCode, 1);
  EXPECT_EQ(RunCli({"play", (folder / "d.txt").string()}).exitCode, 2);
}

}  // namespace
}  // namespace ravix
