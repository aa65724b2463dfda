#include "drawing/undo_history.hpp"

#include "drawing/drawing_copy.hpp"

namespace ravix {

void UndoHistory::Record(const Drawing& drawing) {
  snapshots_.resize(static_cast<std::size_t>(undoIndex_ + 1));
  snapshots_.push_back(CopyDrawing(drawing, kStateNormal));
  ++undoIndex_;
  if (snapshots_.size() > kMaxUndoSnapshots) {
    snapshots_.pop_front();
    --undoIndex_;
  }
}

void UndoHistory::Clear() {
  snapshots_.clear();
  undoIndex_ = -1;
}

Drawing UndoHistory::Undo() {
  --undoIndex_;
  return snapshots_[static_cast<std::size_t>(undoIndex_)];
}

Drawing UndoHistory::Redo() {
  ++undoIndex_;
  return snapshots_[static_cast<std::size_t>(undoIndex_)];
}

}  // namespace ravix
