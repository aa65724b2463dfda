#include "output/play_control.hpp"

#include <signal.h>
#include <sys/wait.h>

namespace ravix {

void StopPlay(PlayControl& control) {
  control.stopRequested.store(true, std::memory_order_relaxed);
  const pid_t music = control.musicProcess.exchange(0, std::memory_order_relaxed);
  if (music > 0) {
    kill(music, SIGKILL);
    waitpid(music, nullptr, 0);
  }
}

}  // namespace ravix
