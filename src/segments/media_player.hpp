#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "output/play_control.hpp"

namespace ravix {

// The message lines when no media player is found: the "Segment edit" window's
// and the "Show Edit" window's.
inline constexpr const char* kSegmentNoPlayerText = "Windows Media Player 9 find noting in regedit";
inline constexpr const char* kShowNoPlayerText = "Windows Media Player 9 no no finding";

// The program that plays the music: its path, its file name (the first
// argument it gets) and its folder (where it runs).
struct MediaPlayer {
  std::filesystem::path program;
  std::string name;
  std::filesystem::path folder;

  static MediaPlayer AtPath(const std::filesystem::path& program);
};

// The first of a short list of common players that is an executable file in
// one of the folders of `searchPath` (the form of PATH). Windows look it up
// once when they are created.
std::optional<MediaPlayer> FindPlayerOnPath(std::string_view searchPath);
// The same on this process's PATH.
std::optional<MediaPlayer> FindPlayerOnPath();

// `mediaPlayerPath` when it names an existing file, otherwise `found`.
std::optional<MediaPlayer> ChooseMediaPlayer(const std::string& mediaPlayerPath,
                                             const std::optional<MediaPlayer>& found);

// Unless a music process runs, starts the player with the music file as its one
// argument (no shell, so any name works), in the player's folder, with no
// terminal input or output, and keeps it as `musicProcess`. False when nothing
// was started; the play then goes on without music. EndMusicProcess stops it.
bool StartMusic(PlayControl& control, const MediaPlayer& player,
                const std::filesystem::path& musicFile);

}  // namespace ravix
