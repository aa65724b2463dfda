#pragma once

#include <cstddef>
#include <vector>

namespace ravix {

// A point of the editor's drawing by position: object index, point index.
struct PointRef {
  std::size_t object = 0;
  std::size_t point = 0;
  friend bool operator==(const PointRef&, const PointRef&) = default;
};

// The selected points in the order they were selected. Held by position, so
// whoever inserts or removes points keeps it valid through the hooks below.
class PointSelection {
 public:
  const std::vector<PointRef>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }

  void Add(PointRef ref) { entries_.push_back(ref); }
  void Remove(PointRef ref);
  void Clear() { entries_.clear(); }

  // A point was inserted at `at`: later points of that object move up by one.
  void PointInserted(PointRef at);

 private:
  std::vector<PointRef> entries_;
};

}  // namespace ravix
