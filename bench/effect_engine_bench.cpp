// The effect engine per point: compiled steps against a baseline that looks
// the effect up and parses its step texts for every point.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "core/text_lines.hpp"

#include "segments/compiled_effect.hpp"
#include "segments/effect_engine.hpp"

namespace ravix {
namespace {

constexpr std::int32_t kFramePoints = 1024;

const std::vector<std::vector<EffectStep>> kEffects = {
    {"hb:150"},
    {"hb:150", "ro:128,128,150", "co:200"},
    {"hb:150", "vb:60", "hs:200", "vs:20", "hr:140", "vr:230", "ro:100,90,150", "zoom:128,128,220",
     "co:200", "sd:2,5,250"},
};

// One point as a player handles it: count, steps, colour.
template <typename Apply>
void RunPoints(benchmark::State& state, Apply apply) {
  EffectState effect;
  effect.rowPointTotal = kFramePoints;
  std::int64_t points = 0;
  for (auto _ : state) {
    std::int32_t rnd3 = effect.colourOffset;
    for (std::int32_t i = 0; i < kFramePoints; ++i) {
      CountPoint(effect, false);
      double x = 255 - (i & 0xFF), y = 255 - ((i * 7) & 0xFF);
      std::int32_t colour = 257;
      apply(effect, x, y, colour, i);
      const std::uint8_t sent = PickColour(4, colour, 257, effect.colourOffset, rnd3++);
      benchmark::DoNotOptimize(x);
      benchmark::DoNotOptimize(y);
      benchmark::DoNotOptimize(sent);
    }
    points += kFramePoints;
  }
  state.SetItemsProcessed(points);
  state.counters["steps"] =
      static_cast<double>(kEffects[static_cast<std::size_t>(state.range(0))].size());
}

void BM_CompiledSteps(benchmark::State& state) {
  const auto steps = CompileSteps(kEffects[static_cast<std::size_t>(state.range(0))]);
  RunPoints(state, [&](EffectState& effect, double& x, double& y, std::int32_t& colour,
                       std::int32_t index) { ApplySteps(steps, effect, x, y, colour, index); });
}

// A step line taken apart with the string work the text describes: the code
// copied out as the text before the first ":", each value copied out from
// between the ","s and converted on its own; then the step they make.
std::optional<CompiledStep> ParseStepText(const EffectStep& line) {
  const auto colon = line.find(':');
  if (colon == std::string::npos)
    return std::nullopt;
  const std::string code = line.substr(0, colon);
  benchmark::DoNotOptimize(code);
  std::string rest = line.substr(colon + 1);
  while (true) {
    const auto comma = rest.find(',');
    if (!ParseDecimalInt(rest.substr(0, comma)))
      return std::nullopt;
    if (comma == std::string::npos)
      break;
    rest = rest.substr(comma + 1);
  }
  return CompileStep(line);
}

// The effect found by name and every step line parsed again at each point.
void BM_ParsePerPoint(benchmark::State& state) {
  const EffectList list{
      {{"Other.ect", {"hb:1"}}, {"Show.ect", kEffects[static_cast<std::size_t>(state.range(0))]}}};
  RunPoints(state, [&](EffectState& effect, double& x, double& y, std::int32_t& colour,
                       std::int32_t index) {
    const Effect* found = list.Find("show.ect");
    for (const EffectStep& line : found->steps) {
      if (const auto step = ParseStepText(line))
        ApplySteps({&*step, 1}, effect, x, y, colour, index);
    }
  });
}

BENCHMARK(BM_CompiledSteps)->DenseRange(0, 2)->ArgName("effect");
BENCHMARK(BM_ParsePerPoint)->DenseRange(0, 2)->ArgName("effect");

}  // namespace
}  // namespace ravix
