#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <thread>

#include "core/sequence.hpp"
#include "core/workspace.hpp"
#include "output/controller_bus.hpp"
#include "output/live_state.hpp"
#include "shows/show_state.hpp"

namespace ravix {

// What a track thread works with. The playing show is not changed while a
// track thread runs.
struct ShowTrackContext {
  LiveState& live;
  const ControllerBus& bus;
  ShowState& show;
  const TSequence& playingShow;
  Workspace workspace;
  // The show window's message line; called on the track's thread.
  std::function<void(const std::string&)> showMessage;
};

// The player of one show track (play types 1..3): walks the track's items in
// order, each for its duration in ticks of the show clock: a frame list shows
// its frames, a segment plays its rows with effects, any other item waits.
// Output goes to the track's own controller only. Destruction raises nothing
// and waits for the thread to end; raise stopRequested first to end it early.
class ShowTrackThread {
 public:
  // The track's trackBusy must be raised before; the thread lowers it.
  ShowTrackThread(std::size_t track, const ShowTrackContext& context);
  ShowTrackThread(const ShowTrackThread&) = delete;
  ShowTrackThread& operator=(const ShowTrackThread&) = delete;

 private:
  std::jthread thread_;
};

// The track loop itself, in the calling thread.
void RunShowTrack(std::size_t track, const ShowTrackContext& context);

}  // namespace ravix
