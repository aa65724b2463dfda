#include "output/play_control.hpp"

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>

namespace ravix {

void EndMusicProcess(PlayControl& control) {
  const pid_t music = control.musicProcess.exchange(0, std::memory_order_relaxed);
  if (music > 0) {
    kill(music, SIGKILL);
    while (waitpid(music, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
}

void StopPlay(PlayControl& control) {
  control.stopRequested.store(true, std::memory_order_relaxed);
  EndMusicProcess(control);
}

}  // namespace ravix
