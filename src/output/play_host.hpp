#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "core/status.hpp"
#include "output/play_job.hpp"
#include "output/play_thread.hpp"

namespace ravix {

// How long a start waits for the running loop to notice its stop.
inline constexpr std::chrono::milliseconds kPlayStopTimeout{3000};

// Runs one play loop at a time on a worker thread. Every start first stops the
// running loop and waits until it has ended. Used from one thread (the
// windows' thread, or the command line's main thread).
class PlayHost {
 public:
  PlayHost(LiveState& live, const ControllerBus& bus,
           std::chrono::milliseconds stopTimeout = kPlayStopTimeout)
      : live_(live), bus_(bus), stopTimeout_(stopTimeout) {}
  // Stops the running loop and waits for it however long it takes.
  ~PlayHost();
  PlayHost(const PlayHost&) = delete;
  PlayHost& operator=(const PlayHost&) = delete;

  // StopPlay, then waits up to the timeout for the running loop to end. False
  // when it is still running.
  bool StopAndWait();

  // Stops the running loop, waits for it to end, lowers stopRequested and
  // starts the loop of `playType` on `job`. Starts nothing when the running
  // loop did not end in time.
  Status StartPlay(std::uint8_t playType, PlayJob job);

  bool Running();
  // Counts the loops started; a window's timers serve its own start only.
  std::uint64_t generation() const { return generation_; }

 private:
  LiveState& live_;
  const ControllerBus& bus_;
  const std::chrono::milliseconds stopTimeout_;
  std::unique_ptr<PlayThread> thread_;
  std::uint64_t generation_ = 0;
};

}  // namespace ravix
