#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "core/laser_point.hpp"

namespace ravix {

// Snapshots of the editor's drawing, the newest at most kMaxUndoSnapshots.
class UndoHistory {
 public:
  static constexpr std::size_t kMaxUndoSnapshots = 400;

  // Discards the snapshots after the current one, appends a copy of `drawing`
  // with every state 0 and makes it current; the oldest goes beyond the limit.
  void Record(const Drawing& drawing);
  void Clear();

  // One step back needs a snapshot before the current one (undoIndex >= 1).
  bool CanUndo() const { return undoIndex_ >= 1; }
  bool CanRedo() const { return undoIndex_ + 1 < static_cast<std::int32_t>(snapshots_.size()); }
  // Move to the previous or next snapshot and return a copy of it.
  Drawing Undo();
  Drawing Redo();

  std::int32_t undoIndex() const { return undoIndex_; }
  std::size_t size() const { return snapshots_.size(); }

 private:
  std::deque<Drawing> snapshots_;
  std::int32_t undoIndex_ = -1;
};

}  // namespace ravix
