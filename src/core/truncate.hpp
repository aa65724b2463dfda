#pragma once

#include <cstdint>
#include <limits>

namespace ravix {

// Converts to an integer toward zero. Values beyond the 32-bit range saturate
// and NaN gives the lowest value, so no input is undefined.
inline std::int32_t TruncateToInt(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::lowest();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (!(value > kLowest))
    return std::numeric_limits<std::int32_t>::lowest();
  if (value >= kHighest)
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

}  // namespace ravix
