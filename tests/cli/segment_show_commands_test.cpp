#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <sstream>

#include "core/settings_file.hpp"
#include "support/run_cli.hpp"
#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::CliRun;
using testing::ReadText;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteText;

// A segment of one row (no time limit without ticks) with `effect` as its
// only step, over the point line `points`.
std::string Segment(const std::string& points, const std::string& effect,
                    const std::string& time = "100000") {
  return "[SectionContent]\r\n0|" + time + "|E|257|\r\n[DrawingList]\r\nDrawingName=0\r\n" +
         points + "\r\n[EffectList]\r\nEffectName=E\r\n" + effect + "\r\n";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

int HexByte(const std::string& line, std::size_t byte) {
  return std::stoi(line.substr(byte * 2, 2), nullptr, 16);
}

CliRun Frames(const TempFolder& folder, const std::string& segment, int count,
              std::vector<std::string> options = {}) {
  WriteText(folder / "s.sec", segment);
  std::vector<std::string> args = {"frames",  (folder / "s.sec").string(), "--player", "segment",
                                   "--count", std::to_string(count)};
  args.insert(args.end(), options.begin(), options.end());
  return RunCli(args);
}

TEST(CliFramesSegment, HorizontalMoveAdvancesAtEveryPoint) {
  TempFolder folder;
  const CliRun run =
      Frames(folder, Segment("100,50,0,4,0,0|100,60,0,4,0,0|100,70,0,4,0,128|", "hb:191"), 4);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "6464");
  EXPECT_EQ(lines[1], "");  // the preview has not taken the row start yet
  // X = 155 - moveX with moveX 1, 2, 3, then 4, 5, 6.
  EXPECT_EQ(lines[2], "05009acd050099c3050098b9");
  EXPECT_EQ(HexByte(lines[3], 2), 151);
}

TEST(CliFramesSegment, PulsingZoomRunsUpAndBack) {
  TempFolder folder;
  // Drawing point (0, 128) is 128 right of the centre: X = 127 + factor.
  const CliRun run = Frames(folder, Segment("0,128,0,4,0,128|", "zoom:128,128,255"), 2 + 260);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  std::vector<int> factors;
  for (std::size_t i = 2; i < lines.size(); ++i)
    factors.push_back(HexByte(lines[i], 2) - 127);
  std::vector<int> expected;
  for (int f = 1; f <= 128; ++f)
    expected.push_back(f);
  for (int f = 127; f >= 0; --f)
    expected.push_back(f);
  for (int f = 1; f <= 4; ++f)
    expected.push_back(f);
  EXPECT_EQ(factors, expected);
}

TEST(CliFramesSegment, ColourZeroStaysDarkInEveryMode) {
  TempFolder folder;
  const std::string segment = Segment("10,10,0,0,0,0|20,20,0,6,0,128|", "co:255");
  for (const char* mode : {"0", "1", "2", "200", "243", "257", "258", "259", "260"}) {
    const CliRun run = Frames(folder, segment, 4, {"--colour", mode});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u) << mode;
    for (const std::string& frame : {lines[2], lines[3]}) {
      EXPECT_EQ(HexByte(frame, 0), 0) << mode;
      if (std::string(mode) != "0") {
        EXPECT_NE(HexByte(frame, 4), 0) << mode << " " << frame;
      }
    }
  }
}

TEST(CliFramesSegment, TicksEndTheRowAndPointBlanksEveryPoint) {
  TempFolder folder;
  const CliRun run =
      Frames(folder, Segment("10,10,0,4,0,128|", "", "3"), 50, {"--tick-each-write", "--point"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "6464\n\n0501f5f5\n0501f5f5\n0501f5f5\n");
  EXPECT_EQ(Frames(folder, "[SectionContent]\r\n0|x|null|257|\r\n[DrawingList]\r\n", 3).exitCode,
            1);
}

// A workspace whose media player is a stand-in script that logs each start
// with its arguments and then sleeps.
struct ShowWorkspace {
  TempFolder folder;
  ShowWorkspace(const std::string& tracks) {
    for (const char* sub : {"Sequence", "Section", "Music"})
      std::filesystem::create_directories(folder / sub);
    const auto player = folder / "player";
    WriteText(player,
              "#!/bin/sh\n"
              "log=\"$(dirname \"$0\")/starts.log\"\n"
              "echo \"$$ $# [$1]\" >> \"$log\"\n"
              "exec sleep 60\n");
    chmod(player.c_str(), 0755);
    SettingsFile settings;
    settings.SetSettingsLine(kSettingMediaPlayerPath, player.string());
    settings.SaveSettings(folder / "Ravix.ini");
    WriteText(folder / "Music" / "the song.mp3", "x");
    WriteText(folder / "Sequence" / "show.seq",
              "[Music]\r\nthe song.mp3\r\n[Track1]\r\n" + tracks + "\r\n[Track2]\r\n[Track3]\r\n");
  }
  CliRun Play(std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"--workspace", folder.path().string(),
                                     "play",        (folder / "Sequence" / "show.seq").string(),
                                     "--simulate",  "1"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunCli(args);
  }
  std::vector<std::string> Starts() { return Lines(ReadText(folder / "starts.log")); }
};

void ExpectGone(const std::string& start) {
  const pid_t pid = std::stoi(start.substr(0, start.find(' ')));
  EXPECT_EQ(kill(pid, 0), -1) << "music process " << pid << " left behind";
}

TEST(CliPlayShow, StartsOneMusicProcessAndLeavesNoneWhenTheShowEnds) {
  ShowWorkspace workspace("pause|40");
  const CliRun run = workspace.Play();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("begin\n"), std::string::npos);
  EXPECT_NE(run.err.find("over\n"), std::string::npos);
  const auto starts = workspace.Starts();
  ASSERT_EQ(starts.size(), 1u);
  const std::string music = (workspace.folder / "Music" / "the song.mp3").string();
  EXPECT_NE(starts[0].find(" 1 [" + music + "]"), std::string::npos) << starts[0];
  ExpectGone(starts[0]);
}

TEST(CliPlayShow, LeavesNoMusicProcessWhenStopped) {
  ShowWorkspace workspace("pause|100000");
  const CliRun run = workspace.Play({"--seconds", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto starts = workspace.Starts();
  ASSERT_EQ(starts.size(), 1u);
  ExpectGone(starts[0]);
}

}  // namespace
}  // namespace ravix
