#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/palette.hpp"
#include "core/sequence.hpp"
#include "segments/effect_state.hpp"
#include "segments/preview_lines.hpp"
#include "shows/colour_cycle.hpp"

namespace ravix {

// What one show track shares between its thread, the show clock and the
// display. Lives as long as the show window: the effect state's step counters
// and the colour cycle run on from show to show.
struct ShowTrackState {
  std::atomic<bool> timeTick{false};     // trackTimeTick
  std::atomic<bool> frameTick{false};    // trackFrameTick
  std::atomic<std::int32_t> elapsed{0};  // trackElapsed: ticks of the current item
  std::atomic<bool> busy{false};         // trackBusy
  std::atomic<std::int32_t> itemIndex{-1};
  std::atomic<std::int32_t> frameIndex{-1};
  std::atomic<std::int32_t> rowIndex{-1};
  // The window's device choice for the track, 0..128; -1 when none.
  std::atomic<std::int32_t> deviceChoice{-1};
  // trackDisplayLines and trackDisplayHeld: the last segment frame built and
  // whether the display has yet to copy it.
  PreviewLines displayLines;
  std::atomic<bool> displayHeld{false};
  // The colour offset of the frame being sent, for the display's colours.
  std::atomic<std::int32_t> displayColourOffset{0};
  // Owned by the track's thread while it runs.
  EffectState effectState;
  ColourCycle colourCycle;
};

// The show player's process-wide values.
struct ShowState {
  std::array<ShowTrackState, kShowTrackCount> tracks;
  std::atomic<bool> showRunning{false};
  // The colour override of the show: 0..255, 257 Auto, 258..260 Rnd1..Rnd3.
  std::atomic<std::int32_t> liveColourMode{kColourModeAuto};

  // The "Invert time" field as typed (default "2"), read as a decimal number
  // every time it is used.
  void SetInvertTime(std::string text);
  std::string InvertTime() const;

  // The driver names of the controllers found.
  void SetFoundDevices(std::vector<std::string> driverNames);
  // trackDevice: "ezusb-" + the track's device choice when that controller
  // was found, else empty.
  std::string TrackDevice(std::size_t track) const;

 private:
  mutable std::mutex mutex_;
  std::string invertTime_ = "2";
  std::vector<std::string> foundDevices_;
};

}  // namespace ravix
