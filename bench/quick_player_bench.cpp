#include <benchmark/benchmark.h>

#include <vector>

#include "generated_frame.hpp"
#include "output/quick_frame_builder.hpp"

namespace {

// One quick-play pass per iteration with the given sliders.
void BuildPasses(benchmark::State& state, const ravix::QuickSliderValues& sliders,
                 std::int32_t colourMode) {
  const ravix::Drawing frame = ravix::bench::MakeGeneratedFrame();
  ravix::LiveState live;
  ravix::QuickPlayChannel channel;
  for (std::size_t i = 0; i < sliders.size(); ++i)
    channel.sliders[i] = sliders[i];
  channel.colourMode = colourMode;
  ravix::QuickFrameBuilder builder(live, channel);
  const ravix::PointEncoder encoder(live.settings.Values(), ravix::BasePosition::kAsStored);
  std::vector<std::uint8_t> block;
  for (auto _ : state) {
    builder.Build(frame, encoder, block);
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
  }
  const double points = static_cast<double>(state.iterations()) * ravix::bench::kFramePoints;
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  state.counters["points/s"] = benchmark::Counter(points, benchmark::Counter::kIsRate);
}

void BM_QuickPassAtRest(benchmark::State& state) {
  BuildPasses(state, {0, 0, 0, 0, 0, 0, 0, 0, 0, 30}, ravix::kColourModeAuto);
}
BENCHMARK(BM_QuickPassAtRest)->Unit(benchmark::kMicrosecond);

// Every effect animated (the upper bands), colours walking per point.
void BM_QuickPassAnimated(benchmark::State& state) {
  BuildPasses(state, {200, 150, 230, 0, 170, 250, 140, 200, 220, 255}, ravix::kColourModeRnd3);
}
BENCHMARK(BM_QuickPassAnimated)->Unit(benchmark::kMicrosecond);

}  // namespace
