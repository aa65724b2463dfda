#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "segments/compiled_effect.hpp"

namespace ravix {

// An effect list that a window edits while a player reads it. Every change
// compiles the list once and publishes it as a new immutable snapshot with a
// new version number, so a player sees an edit at its next point without any
// string work or lock on its per-point path.
class LiveEffectList {
 public:
  LiveEffectList();

  // Publishes `list`, keeping the selected entry.
  void Set(const EffectList& list);
  // Publishes the entry chosen in the window's effect list box (-1 none).
  void Select(int index);

  std::uint64_t Version() const { return version_.load(std::memory_order_acquire); }
  std::shared_ptr<const CompiledEffectList> Current() const;

 private:
  // Compiles the source and selection as a new snapshot; called under the lock.
  void Publish();

  mutable std::mutex mutex_;
  EffectList source_;
  int selected_ = -1;
  std::shared_ptr<const CompiledEffectList> current_;
  std::atomic<std::uint64_t> version_{0};
};

// A player's view of the steps it applies: those of one effect name, or of the
// selected entry. Steps() takes a new snapshot only when the version changed.
class EffectStepsReader {
 public:
  explicit EffectStepsReader(const LiveEffectList& list) : list_(list) {}

  // Reads the steps of `name` from now on.
  void UseName(std::string name);
  // Reads the steps of the selected entry from now on.
  void UseSelected();

  std::span<const CompiledStep> Steps() {
    if (list_.Version() != version_)
      Refresh();
    return steps_;
  }

 private:
  void Refresh();

  const LiveEffectList& list_;
  std::string name_;
  bool selected_ = false;
  std::uint64_t version_ = 0;
  std::shared_ptr<const CompiledEffectList> snapshot_;
  std::span<const CompiledStep> steps_;
};

}  // namespace ravix
