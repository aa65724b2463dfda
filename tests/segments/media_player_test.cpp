#include "segments/media_player.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "support/temp_folder.hpp"

namespace ravix {
namespace {

using testing::ReadText;
using testing::TempFolder;
using testing::WriteText;

void WriteExecutable(const std::filesystem::path& path, const std::string& text) {
  WriteText(path, text);
  chmod(path.c_str(), 0755);
}

// A stand-in player: writes its pid, its folder and one line per argument
// beside itself, then sleeps as the process that was started.
std::filesystem::path WriteStandInPlayer(const TempFolder& folder) {
  const auto path = folder / "stand-in player";
  WriteExecutable(path,
                  "#!/bin/sh\n"
                  "for a in \"$@\"; do echo \"[$a]\"; done > args.tmp\n"
                  "pwd >> args.tmp\n"
                  "echo $$ > pid.tmp\n"
                  "mv args.tmp args.txt; mv pid.tmp pid.txt\n"
                  "exec sleep 60\n");
  return path;
}

bool WaitForFile(const std::filesystem::path& path) {
  for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return std::filesystem::exists(path);
}

TEST(MediaPlayer, StartsOneProcessWithTheMusicAsOneArgumentAndReapsIt) {
  TempFolder folder;
  const MediaPlayer player = MediaPlayer::AtPath(WriteStandInPlayer(folder));
  EXPECT_EQ(player.name, "stand-in player");
  PlayControl control;
  const std::filesystem::path music = folder / "my song; $(rm -rf x).mp3";
  ASSERT_TRUE(StartMusic(control, player, music));
  const pid_t pid = control.musicProcess;
  EXPECT_GT(pid, 0);
  EXPECT_FALSE(StartMusic(control, player, music)) << "one music process at a time";

  ASSERT_TRUE(WaitForFile(folder / "pid.txt"));
  EXPECT_EQ(ReadText(folder / "args.txt"),
            "[" + music.string() + "]\n" + folder.path().string() + "\n");
  EXPECT_EQ(ReadText(folder / "pid.txt"), std::to_string(pid) + "\n");

  StopPlay(control);
  EXPECT_TRUE(control.stopRequested);
  EXPECT_EQ(control.musicProcess, 0);
  EXPECT_EQ(kill(pid, 0), -1) << "killed and reaped, no zombie left";
  EXPECT_EQ(errno, ESRCH);
}

TEST(MediaPlayer, StartsNothingWithoutMusicOrWhenTheProgramCannotRun) {
  TempFolder folder;
  PlayControl control;
  const MediaPlayer player = MediaPlayer::AtPath(WriteStandInPlayer(folder));
  EXPECT_FALSE(StartMusic(control, player, ""));
  EXPECT_FALSE(StartMusic(control, MediaPlayer::AtPath(folder / "missing"), folder / "a.mp3"));
  EXPECT_EQ(control.musicProcess, 0);
  EndMusicProcess(control);  // nothing to end
}

TEST(MediaPlayer, ChoosesTheConfiguredPathElseAPlayerOnPath) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "bin1");
  std::filesystem::create_directories(folder / "bin2");
  WriteText(folder / "bin1" / "mpv", "not executable");
  WriteExecutable(folder / "bin2" / "mpv", "#!/bin/sh\n");
  WriteExecutable(folder / "bin1" / "mplayer", "#!/bin/sh\n");
  const std::string searchPath = (folder / "none").string() + "::" + (folder / "bin1").string() +
                                 ":" + (folder / "bin2").string();

  const auto found = FindPlayerOnPath(searchPath);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->program, folder / "bin2" / "mpv");  // the first name wins, where it runs
  EXPECT_EQ(found->name, "mpv");
  EXPECT_EQ(found->folder, folder / "bin2");
  EXPECT_FALSE(FindPlayerOnPath((folder / "none").string()));

  const auto configured = ChooseMediaPlayer((folder / "bin1" / "mplayer").string(), found);
  ASSERT_TRUE(configured);
  EXPECT_EQ(configured->program, folder / "bin1" / "mplayer");
  EXPECT_EQ(ChooseMediaPlayer((folder / "gone").string(), found)->program, found->program);
  EXPECT_FALSE(ChooseMediaPlayer("", std::nullopt));
}

}  // namespace
}  // namespace ravix
