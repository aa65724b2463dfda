#include "output/play_thread.hpp"

#include "output/play_types.hpp"

namespace ravix {

PlayThread::PlayThread(std::uint8_t playType, PlayJob job, LiveState& live,
                       const ControllerBus& bus)
    : job_(std::move(job)), thread_([this, playType, &live, &bus] { Run(playType, live, bus); }) {}

void PlayThread::Run(std::uint8_t playType, LiveState& live, const ControllerBus& bus) {
  RunPlayLoop(playType, PlayContext{live, bus, job_});
  std::lock_guard lock(mutex_);
  ended_ = true;
  endedChanged_.notify_all();
}

bool PlayThread::WaitUntilEnded(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return endedChanged_.wait_for(lock, timeout, [this] { return ended_; });
}

bool PlayThread::Ended() {
  std::lock_guard lock(mutex_);
  return ended_;
}

}  // namespace ravix
