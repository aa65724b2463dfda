#include <cstddef>
#include <cstdint>

#include "core/text_lines.hpp"
#include "segments/effect_file.hpp"

// Reads arbitrary text as an effect file; its steps survive a write.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto steps = ravix::EffectFileFromLines(ravix::SplitLines({data, size}));
  const ravix::Bytes written = ravix::JoinLinesCrLf(ravix::EffectFileToLines("Fuzz", steps));
  if (ravix::EffectFileFromLines(ravix::SplitLines(written)) != steps)
    __builtin_trap();
  return 0;
}
