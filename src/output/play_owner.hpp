#pragma once

#include <array>
#include <functional>

#include "output/play_buttons.hpp"

namespace ravix {

// The player window that opened the play settings window last; its play button
// restarts that player.
enum PlayOwner : int {
  kOwnerNone = -1,
  kOwnerQuickPlay = 0,
  kOwnerSegmentEdit = 1,
  kOwnerSegmentEditSecondPlay = 2,
  kOwnerShowEdit = 3,
  kOwnerTextPlay = 4,
  kOwnerQuickPlayPages = 5,
};
inline constexpr int kPlayOwnerCount = 6;

// What a player window offers the play settings window. A window that has not
// been built leaves its entry empty.
struct PlayOwnerTarget {
  // Sets the window's loop, mirror and pause buttons.
  std::function<void(const PlayButtons&)> setButtons;
  // Presses the window's play button.
  std::function<void()> pressPlay;
  // Sets the window's loop button alone.
  std::function<void(bool)> setLoopButton;
};

// The quick player, the text window and the pages window take the play
// settings window's buttons before their play is pressed; the editors do not.
constexpr bool OwnerTakesButtons(int owner) {
  return owner == kOwnerQuickPlay || owner == kOwnerTextPlay || owner == kOwnerQuickPlayPages;
}

// The play button's dispatch by owner.
class PlayOwnerTargets {
 public:
  void Set(int owner, PlayOwnerTarget target);
  const PlayOwnerTarget* Find(int owner) const;
  // Presses the owner's play, handing it the buttons where the owner takes
  // them. An owner outside 0..5, or one without a window, does nothing.
  void PressPlay(int owner, const PlayButtons& buttons) const;

 private:
  std::array<PlayOwnerTarget, kPlayOwnerCount> targets_;
};

}  // namespace ravix
