#include "output/play_owner.hpp"

namespace ravix {

void PlayOwnerTargets::Set(int owner, PlayOwnerTarget target) {
  if (owner >= 0 && owner < kPlayOwnerCount)
    targets_[owner] = std::move(target);
}

const PlayOwnerTarget* PlayOwnerTargets::Find(int owner) const {
  if (owner < 0 || owner >= kPlayOwnerCount)
    return nullptr;
  return &targets_[owner];
}

void PlayOwnerTargets::PressPlay(int owner, const PlayButtons& buttons) const {
  const PlayOwnerTarget* target = Find(owner);
  if (!target || !target->pressPlay)
    return;
  if (OwnerTakesButtons(owner) && target->setButtons)
    target->setButtons(buttons);
  target->pressPlay();
}

}  // namespace ravix
