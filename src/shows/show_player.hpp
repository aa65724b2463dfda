#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/sequence.hpp"
#include "core/status.hpp"
#include "core/workspace.hpp"
#include "output/controller_bus.hpp"
#include "output/live_state.hpp"
#include "segments/media_player.hpp"
#include "shows/show_clock.hpp"
#include "shows/show_state.hpp"
#include "shows/show_track_thread.hpp"

namespace ravix {

inline constexpr const char* kShowReadingText = "reading...";
inline constexpr const char* kShowBeginText = "begin";
inline constexpr const char* kShowOverText = "over";

// A point as the show display draws it, in picture coordinates.
struct DisplayPoint {
  std::int32_t x;
  std::int32_t y;
  std::uint8_t colour;  // palette index; pens go through depths and brightness
  bool blanked;         // reached by a move and marked with a small circle
  friend bool operator==(const DisplayPoint&, const DisplayPoint&) = default;
};

// The show player of the "Show Edit" window: the playing show, its three track
// threads, and the logic of the window's timers (ShowClock, DisplayTimer,
// LoopTimer), which the window's timers, or the command line's clock, call.
// Used from one thread; the track threads are always joined before the
// playing show changes and before destruction.
class ShowPlayer {
 public:
  using Duration = std::chrono::milliseconds;
  using TimePoint = std::chrono::steady_clock::time_point;

  static constexpr Duration kDisplayFirstInterval{50};
  static constexpr Duration kDisplayInterval{2};
  static constexpr Duration kLoopInterval{1000};
  static constexpr Duration kRestartDelay{3000};

  // `pathPlayer` is the player found when the window was created (the
  // registry's stand-in); `showMessage` is the window's message line, called
  // on the window's thread and, for a faulty "Invert time", on a track's.
  ShowPlayer(LiveState& live, const ControllerBus& bus, ShowState& show, Workspace workspace,
             std::optional<MediaPlayer> pathPlayer,
             std::function<void(const std::string&)> showMessage);
  ~ShowPlayer();
  ShowPlayer(const ShowPlayer&) = delete;
  ShowPlayer& operator=(const ShowPlayer&) = delete;

  // The play command on the show file at `path`: stops the show that plays and
  // waits for its tracks, loads the file with its items, starts it and the
  // loop timer. A file that cannot be loaded is reported and nothing starts.
  Status PlayShow(const std::filesystem::path& path);
  // Music, track threads, clock and display for the loaded show.
  void StartShow();
  // The stop button: stopRequested raised, the music ended.
  void Stop();

  // ShowClock firing: the six tick flags.
  Duration ClockFire() { return clock_.Fire(); }

  struct DisplayFiring {
    // Set when settingsChanged was raised: what each track shows.
    std::optional<std::array<std::vector<DisplayPoint>, kShowTrackCount>> tracks;
    std::size_t pointCount = 0;
  };
  // DisplayTimer firing: draws the tracks when a frame changed and, once no
  // track runs, ends the show ("over", clock stopped, music ended; unless
  // looping, stopRequested raised). The timer then stays off.
  DisplayFiring DisplayFire();
  // LoopTimer firing: after a stop, turns itself off; when a looping show has
  // ended, ends the music and, after the restart delay, starts it again. A
  // stop during that delay cancels the restart.
  void LoopFire(TimePoint now);

  bool ClockEnabled() const { return clockEnabled_; }
  bool DisplayEnabled() const { return displayEnabled_; }
  bool LoopEnabled() const { return loopEnabled_; }
  bool AnyTrackBusy() const;
  const TSequence& playingShow() const { return playingShow_; }

 private:
  void JoinTracks();
  std::vector<DisplayPoint> FrameListPicture(const ShowTrackState& track,
                                             const Drawing& frame) const;
  std::vector<DisplayPoint> SegmentPicture(ShowTrackState& track) const;

  LiveState& live_;
  const ControllerBus& bus_;
  ShowState& show_;
  const Workspace workspace_;
  const std::optional<MediaPlayer> pathPlayer_;
  std::function<void(const std::string&)> showMessage_;
  ShowClock clock_;
  TSequence playingShow_;
  ShowTrackContext trackContext_;
  std::vector<std::unique_ptr<ShowTrackThread>> threads_;
  bool clockEnabled_ = false;
  bool displayEnabled_ = false;
  bool loopEnabled_ = false;
  std::optional<TimePoint> restartAt_;
};

}  // namespace ravix
