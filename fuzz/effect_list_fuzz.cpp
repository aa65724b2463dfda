#include <cstddef>
#include <cstdint>

#include "core/text_lines.hpp"
#include "segments/effect_list.hpp"

// Reads arbitrary text as an effect list block; unless a step itself holds the
// name marker, the written block reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravix::EffectList list = ravix::EffectListRead(ravix::SplitLines({data, size}));
  for (const auto& effect : list.effects) {
    list.Find(effect.name);
    for (const auto& step : effect.steps) {
      if (step.find(ravix::kEffectNameMarker) != std::string::npos)
        return 0;
    }
  }
  const ravix::Bytes written = ravix::JoinLinesCrLf(ravix::EffectListWrite(list));
  if (ravix::EffectListRead(ravix::SplitLines(written)) != list)
    __builtin_trap();
  return 0;
}
