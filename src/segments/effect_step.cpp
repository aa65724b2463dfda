#include "segments/effect_step.hpp"

namespace ravix {

EffectStep FormatEffectStep(std::string_view code, std::span<const int> values) {
  EffectStep step(code);
  step += ':';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0)
      step += ',';
    step += std::to_string(values[i]);
  }
  return step;
}

}  // namespace ravix
