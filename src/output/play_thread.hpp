#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "output/play_job.hpp"

namespace ravix {

// A worker thread that runs the loop of one play type once, on its own copy of
// the job. Destruction waits for the loop to return.
class PlayThread {
 public:
  PlayThread(std::uint8_t playType, PlayJob job, LiveState& live, const ControllerBus& bus);
  PlayThread(const PlayThread&) = delete;
  PlayThread& operator=(const PlayThread&) = delete;

  // True once the loop has returned, waiting up to `timeout` for it.
  bool WaitUntilEnded(std::chrono::milliseconds timeout);
  bool Ended();

 private:
  void Run(std::uint8_t playType, LiveState& live, const ControllerBus& bus);

  const PlayJob job_;
  std::mutex mutex_;
  std::condition_variable endedChanged_;
  bool ended_ = false;
  std::jthread thread_;  // last: starts once everything above exists
};

}  // namespace ravix
