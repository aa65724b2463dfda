#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "segments/effect_list.hpp"

namespace ravix {

// The ten step codes, in the order of the effect state's step counters.
enum class EffectCode : std::uint8_t {
  kHorizontalMove,     // "hb"
  kVerticalMove,       // "vb"
  kHorizontalStretch,  // "hs"
  kVerticalStretch,    // "vs"
  kHorizontalTurn,     // "hr"
  kVerticalTurn,       // "vr"
  kRotate,             // "ro"
  kZoom,               // "zoom"
  kColourRotation,     // "co"
  kSlowDraw,           // "sd"
};
inline constexpr std::size_t kEffectCodeCount = 10;

// A step line parsed once: its code and its values 0..255. One-value codes use
// the first value; "ro" and "zoom" hold centre x, centre y and their third
// value, "sd" the old colour, the new colour and its speed.
struct CompiledStep {
  EffectCode code;
  std::array<std::uint8_t, 3> values;

  friend bool operator==(const CompiledStep&, const CompiledStep&) = default;
};

// The step of a line "code:v" or "code:v1,v2,v3"; empty for a line outside
// that grammar: an unknown code, a missing, surplus or non-numeric value, or a
// value outside 0..255.
std::optional<CompiledStep> CompileStep(std::string_view line);

// The steps of the lines that are in the grammar, in order; the others are
// passed over.
std::vector<CompiledStep> CompileSteps(std::span<const EffectStep> lines);

struct CompiledEffect {
  std::string name;
  std::vector<CompiledStep> steps;
};

// An effect list with every step compiled, and the entry chosen in the window's
// effect list box (-1 when none).
struct CompiledEffectList {
  std::vector<CompiledEffect> effects;
  int selected = -1;

  // The steps of the first effect named `name` without regard to letter case;
  // empty when there is none (so "null" plays unchanged).
  std::span<const CompiledStep> Find(std::string_view name) const;
  // The steps of the selected entry; empty when it lies outside the list.
  std::span<const CompiledStep> Selected() const;
};

CompiledEffectList CompileEffectList(const EffectList& list, int selected = -1);

}  // namespace ravix
