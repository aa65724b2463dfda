#pragma once

#include <sys/types.h>

#include <atomic>

namespace ravix {

// The flags by which windows start, pause, loop and stop a play. Atomics with
// relaxed ordering, written by windows and read by play loops.
struct PlayControl {
  // The running loop must end; tested between objects, frames and transfers.
  std::atomic<bool> stopRequested{false};
  // List players start again at the first item after the last.
  std::atomic<bool> loopPlay{false};
  // Frame players hold their current frame.
  std::atomic<bool> paused{false};
  // Cached frames must be rebuilt; also hands a built frame to a preview timer.
  std::atomic<bool> settingsChanged{false};
  // Raised by a play loop while it runs.
  std::atomic<bool> playing{false};
  // The media player started for the music, 0 when none.
  std::atomic<pid_t> musicProcess{0};
};

// Ends the music process, if any: killed and reaped, the handle cleared.
void EndMusicProcess(PlayControl& control);

// Raises stopRequested and ends the music process.
void StopPlay(PlayControl& control);

}  // namespace ravix
