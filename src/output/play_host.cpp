#include "output/play_host.hpp"

namespace ravix {

PlayHost::~PlayHost() {
  StopPlay(live_.control);
  thread_.reset();
}

bool PlayHost::StopAndWait() {
  StopPlay(live_.control);
  if (!thread_)
    return true;
  if (!thread_->WaitUntilEnded(stopTimeout_))
    return false;
  thread_.reset();
  return true;
}

Status PlayHost::StartPlay(std::uint8_t playType, PlayJob job) {
  if (!StopAndWait())
    return Status::Failure("the running play did not stop");
  live_.control.stopRequested.store(false, std::memory_order_relaxed);
  thread_ = std::make_unique<PlayThread>(playType, std::move(job), live_, bus_);
  ++generation_;
  return {};
}

bool PlayHost::Running() {
  return thread_ && !thread_->Ended();
}

}  // namespace ravix
