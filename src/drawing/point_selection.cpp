#include "drawing/point_selection.hpp"

#include <algorithm>

namespace ravix {

void PointSelection::Remove(PointRef ref) {
  std::erase(entries_, ref);
}

void PointSelection::PointInserted(PointRef at) {
  for (PointRef& entry : entries_) {
    if (entry.object == at.object && entry.point >= at.point)
      ++entry.point;
  }
}

}  // namespace ravix
