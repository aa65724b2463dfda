#include "segments/media_player.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace ravix {
namespace {

constexpr const char* kCommonPlayers[] = {"mpv", "mplayer", "cvlc", "ffplay", "mpg123", "paplay"};

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool IsExecutableFile(const std::filesystem::path& path) {
  return IsFile(path) && access(path.c_str(), X_OK) == 0;
}

// Closes the spawn attributes whatever way the start goes.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
};

}  // namespace

MediaPlayer MediaPlayer::AtPath(const std::filesystem::path& program) {
  return MediaPlayer{program, program.filename().string(), program.parent_path()};
}

std::optional<MediaPlayer> FindPlayerOnPath(std::string_view searchPath) {
  for (const char* name : kCommonPlayers) {
    std::string_view rest = searchPath;
    while (true) {
      const auto colon = rest.find(':');
      const std::string_view folder = rest.substr(0, colon);
      if (!folder.empty()) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (IsExecutableFile(candidate))
          return MediaPlayer::AtPath(candidate);
      }
      if (colon == std::string_view::npos)
        break;
      rest = rest.substr(colon + 1);
    }
  }
  return std::nullopt;
}

std::optional<MediaPlayer> FindPlayerOnPath() {
  const char* path = std::getenv("PATH");
  return FindPlayerOnPath(path ? path : "");
}

std::optional<MediaPlayer> ChooseMediaPlayer(const std::string& mediaPlayerPath,
                                             const std::optional<MediaPlayer>& found) {
  if (!mediaPlayerPath.empty() && IsFile(mediaPlayerPath))
    return MediaPlayer::AtPath(mediaPlayerPath);
  return found;
}

bool StartMusic(PlayControl& control, const MediaPlayer& player,
                const std::filesystem::path& musicFile) {
  if (player.name.empty() || musicFile.empty() ||
      control.musicProcess.load(std::memory_order_relaxed) != 0) {
    return false;
  }
  SpawnSetup setup;
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (!player.folder.empty())
    posix_spawn_file_actions_addchdir_np(&setup.actions, player.folder.c_str());
  // The player starts with no signal blocked and default handlers, whatever
  // the starting thread had.
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  sigdelset(&all, SIGKILL);
  sigdelset(&all, SIGSTOP);
  posix_spawnattr_setsigmask(&setup.attributes, &none);
  posix_spawnattr_setsigdefault(&setup.attributes, &all);
  posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::string name = player.name;
  std::string music = musicFile.string();
  char* argv[] = {name.data(), music.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, player.program.c_str(), &setup.actions, &setup.attributes, argv, environ) !=
      0) {
    return false;
  }
  control.musicProcess.store(pid, std::memory_order_relaxed);
  return true;
}

}  // namespace ravix
