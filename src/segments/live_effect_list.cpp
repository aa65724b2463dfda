#include "segments/live_effect_list.hpp"

namespace ravix {

LiveEffectList::LiveEffectList() : current_(std::make_shared<const CompiledEffectList>()) {}

void LiveEffectList::Set(const EffectList& list) {
  std::lock_guard lock(mutex_);
  source_ = list;
  Publish();
}

void LiveEffectList::Select(int index) {
  std::lock_guard lock(mutex_);
  selected_ = index;
  Publish();
}

void LiveEffectList::Publish() {
  current_ = std::make_shared<const CompiledEffectList>(CompileEffectList(source_, selected_));
  version_.fetch_add(1, std::memory_order_release);
}

std::shared_ptr<const CompiledEffectList> LiveEffectList::Current() const {
  std::lock_guard lock(mutex_);
  return current_;
}

void EffectStepsReader::UseName(std::string name) {
  name_ = std::move(name);
  selected_ = false;
  Refresh();
}

void EffectStepsReader::UseSelected() {
  selected_ = true;
  Refresh();
}

void EffectStepsReader::Refresh() {
  version_ = list_.Version();
  snapshot_ = list_.Current();
  steps_ = selected_ ? snapshot_->Selected() : snapshot_->Find(name_);
}

}  // namespace ravix
