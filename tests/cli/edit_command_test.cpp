#include <gtest/gtest.h>

#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteBytes;

// The run in an empty workspace, so that the editor settings have their
// initial values.
CliRun Edit(const TempFolder& workspace, std::vector<std::string> args, const std::string& script) {
  args.insert(args.begin(), {"--workspace", workspace.path().string(), "edit"});
  return RunCli(args, script);
}

TEST(CliEdit, LinesSelectionUndoIndexAndMessages) {
  TempFolder workspace;
  const CliRun run = Edit(workspace, {},
                          "# a comment\n"
                          "tool line2p\n"
                          "left 100 100\n"
                          "\n"
                          "left 180 130 ctrl\r\n"
                          "right 0 0\n"
                          "tool selectp\n"
                          "left 181 99\n"
                          "key U\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"edit\",\"objects\":[[[100,100,2,4,1],[180,100,0,4,0]]],"
            "\"selection\":[[0,1]],\"undoIndex\":0,\"messages\":[\"Auto create a new drawing\","
            "\"L Line,draw a line by two endpoint. Press Ctrl draw horizontal or vertical line\","
            "\"SelectPoint click a point or click space to drag a box,rightclick to cancle\","
            "\"U _undo !\"]}\n");
}

TEST(CliEdit, ScaleRainbowAndRotate) {
  TempFolder workspace;
  const CliRun run = Edit(workspace, {},
                          "pointspace 100\n"
                          "tool linemp\n"
                          "left 200 200\n"
                          "left 300 300\n"
                          "right 0 0\n"
                          "op selectall\n"
                          "tool scale\n"
                          "left 200 200\n"
                          "move 10 10\n"
                          "left 225 300\n"
                          "op rainbow\n"
                          "rotate 180 centre 100 100\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  // Scaled to (200, 200), (250, 400); rotated half a turn about (200, 200),
  // where pi as 3.1415926 leaves x just below 150.
  EXPECT_NE(run.out.find("\"objects\":[[[200,200,2,3,1],[149,0,2,4,0]]]"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"selection\":[[0,0],[0,1]],\"undoIndex\":2"), std::string::npos);
}

TEST(CliEdit, OneUndoAfter401Steps) {
  TempFolder workspace;
  std::string script = "tool point\n";
  for (int i = 0; i < 401; ++i)
    script += "left " + std::to_string(i) + " 7\n";
  script += "op undo\n";
  const CliRun run = Edit(workspace, {}, script);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("[[399,7,3,4,1]]],\"selection\":[],\"undoIndex\":398,"),
            std::string::npos);
}

TEST(CliEdit, OpensAndSavesAtDoubleScale) {
  TempFolder workspace;
  WriteBytes(workspace / "in.ddr", Bytes{10, 20, 2, 5, 0x01, 30, 40, 0, 5, 0x80});
  const CliRun run =
      Edit(workspace, {(workspace / "in.ddr").string(), "-o", (workspace / "out.ddr").string()},
           "op selectall\n"
           "tool move\n"
           "left 0 0\n"
           "left 500 -100\n"
           "op new\n"  // the question is answered No
           "op undo\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"type\":\"edit\",\"objects\":[],\"selection\":[],\"undoIndex\":-1,"
            "\"messages\":[\"Auto create a new drawing\","
            "\"SelectAll the blanking staus of selected objects have been changed...\","
            "\"M Move move selected objects...\",\"Create a new drawing\"]}\n");
  EXPECT_EQ(ReadBytes(workspace / "out.ddr"), Bytes{});

  const CliRun moved =
      Edit(workspace, {(workspace / "in.ddr").string(), "-o", (workspace / "out.ddr").string()},
           "op selectall\ntool move\nleft 0 0\nleft 500 -100\n");
  EXPECT_EQ(moved.exitCode, 0) << moved.err;
  EXPECT_NE(moved.out.find("[[[520,-60,2,5,1],[560,-20,0,5,0]]]"), std::string::npos);
  EXPECT_EQ(ReadBytes(workspace / "out.ddr"), (Bytes{255, 0, 2, 5, 0x01, 255, 0, 0, 5, 0x80}));
}

TEST(CliEdit, BadLinesAreUsageErrorsAndNothingIsSaved) {
  TempFolder workspace;
  const char* badScripts[] = {
      "tool line2p\nleft 1 2\nfly away\n",     "tool line2p\nleft 1 2\nleft 1\n",
      "tool line2p\nleft 1 2\nkey Tab\n",      "tool line2p\nleft 1 2\ncolour 256\n",
      "tool line2p\nleft 1 2\nop paint\n",     "tool line2p\nleft 1 2\nrotate 90 centre 1\n",
      "tool line2p\nleft 1 2\nleft 1 2 alt\n",
  };
  for (const char* script : badScripts) {
    SCOPED_TRACE(script);
    const CliRun run = Edit(workspace, {"-o", (workspace / "out.ddr").string()}, script);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(workspace / "out.ddr"));
  }
  EXPECT_EQ(Edit(workspace, {(workspace / "missing.ddr").string()}, "").exitCode, 1);
}

}  // namespace
}  // namespace ravix
