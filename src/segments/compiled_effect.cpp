#include "segments/compiled_effect.hpp"

#include "core/text_lines.hpp"

namespace ravix {
namespace {

struct CodeName {
  std::string_view text;
  EffectCode code;
  std::size_t valueCount;
};

constexpr CodeName kCodes[] = {
    {"hb", EffectCode::kHorizontalMove, 1},
    {"vb", EffectCode::kVerticalMove, 1},
    {"hs", EffectCode::kHorizontalStretch, 1},
    {"vs", EffectCode::kVerticalStretch, 1},
    {"hr", EffectCode::kHorizontalTurn, 1},
    {"vr", EffectCode::kVerticalTurn, 1},
    {"ro", EffectCode::kRotate, 3},
    {"zoom", EffectCode::kZoom, 3},
    {"co", EffectCode::kColourRotation, 1},
    {"sd", EffectCode::kSlowDraw, 3},
};

std::optional<std::uint8_t> StepValue(std::string_view text) {
  const auto value = ParseDecimalInt(text);
  if (!value || *value < 0 || *value > 255)
    return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

}  // namespace

std::optional<CompiledStep> CompileStep(std::string_view line) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos)
    return std::nullopt;
  const std::string_view codeText = line.substr(0, colon);
  const CodeName* code = nullptr;
  for (const CodeName& c : kCodes) {
    if (c.text == codeText)
      code = &c;
  }
  if (!code)
    return std::nullopt;

  CompiledStep step{code->code, {0, 0, 0}};
  std::string_view rest = line.substr(colon + 1);
  for (std::size_t i = 0; i < code->valueCount; ++i) {
    const auto comma = rest.find(',');
    const bool last = i + 1 == code->valueCount;
    if (last != (comma == std::string_view::npos))
      return std::nullopt;
    const auto value = StepValue(rest.substr(0, comma));
    if (!value)
      return std::nullopt;
    step.values[i] = *value;
    if (!last)
      rest = rest.substr(comma + 1);
  }
  return step;
}

std::vector<CompiledStep> CompileSteps(std::span<const EffectStep> lines) {
  std::vector<CompiledStep> steps;
  for (const EffectStep& line : lines) {
    if (const auto step = CompileStep(line))
      steps.push_back(*step);
  }
  return steps;
}

std::span<const CompiledStep> CompiledEffectList::Find(std::string_view name) const {
  for (const CompiledEffect& effect : effects) {
    if (EqualsIgnoringCase(effect.name, name))
      return effect.steps;
  }
  return {};
}

std::span<const CompiledStep> CompiledEffectList::Selected() const {
  if (selected < 0 || static_cast<std::size_t>(selected) >= effects.size())
    return {};
  return effects[static_cast<std::size_t>(selected)].steps;
}

CompiledEffectList CompileEffectList(const EffectList& list, int selected) {
  CompiledEffectList compiled;
  compiled.selected = selected;
  compiled.effects.reserve(list.effects.size());
  for (const Effect& effect : list.effects)
    compiled.effects.push_back(CompiledEffect{effect.name, CompileSteps(effect.steps)});
  return compiled;
}

}  // namespace ravix
