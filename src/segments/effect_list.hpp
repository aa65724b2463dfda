#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.hpp"
#include "segments/effect_step.hpp"

namespace ravix {

inline constexpr const char* kEffectListHeader = "[EffectList]";
inline constexpr const char* kEffectNameMarker = "EffectName=";

// A named effect: its steps in the order the engine applies them.
struct Effect {
  std::string name;
  std::vector<EffectStep> steps;

  friend bool operator==(const Effect&, const Effect&) = default;
};

// An ordered list of effects. Names need not be unique.
struct EffectList {
  std::vector<Effect> effects;

  // The first effect whose name equals `name` without regard to letter case.
  const Effect* Find(std::string_view name) const;

  friend bool operator==(const EffectList&, const EffectList&) = default;
};

// Parses the block that starts after the first "[EffectList]" line (letter case
// ignored), or at the first line when there is none: a line holding
// "EffectName=" anywhere starts an effect named by the line without its first
// 11 characters; any other line is the next step of the effect started last.
EffectList EffectListRead(std::span<const std::string> lines);

// "[EffectList]", then per effect "EffectName=" + name and its step lines.
std::vector<std::string> EffectListWrite(const EffectList& list);

// An effect list file (".ecl") holds the block alone.
Status EffectListFileRead(const std::filesystem::path& path, EffectList& list);
Status EffectListFileWrite(const std::filesystem::path& path, const EffectList& list);

}  // namespace ravix
