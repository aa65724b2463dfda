#include <benchmark/benchmark.h>

#include <vector>

#include "output/quick_frame_builder.hpp"

namespace {

constexpr std::size_t kObjects = 20;
constexpr std::size_t kPointsPerObject = 5'000;  // 100,000 points a frame

ravix::Drawing MakeFrame() {
  ravix::Drawing drawing(kObjects);
  for (std::size_t o = 0; o < kObjects; ++o) {
    for (std::size_t i = 0; i < kPointsPerObject; ++i) {
      ravix::LaserPoint p;
      p.x = static_cast<int>((i * 7 + o) % 256);
      p.y = static_cast<int>((i * 13) % 256);
      p.z = static_cast<int>(i % 4);
      p.colour = static_cast<std::uint8_t>(i % 256);
      p.blanked = static_cast<std::uint8_t>(i % 9 == 0);
      drawing[o].push_back(p);
    }
  }
  return drawing;
}

// One quick-play pass per iteration with the given sliders.
void BuildPasses(benchmark::State& state, const ravix::QuickSliderValues& sliders,
                 std::int32_t colourMode) {
  const ravix::Drawing frame = MakeFrame();
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
  const double points = static_cast<double>(state.iterations()) * kObjects * kPointsPerObject;
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
