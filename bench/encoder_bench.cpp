#include <benchmark/benchmark.h>

#include <vector>

#include "generated_frame.hpp"
#include "output/frame_encoder.hpp"

namespace {

const ravix::Drawing& GeneratedFrame() {
  static const ravix::Drawing frame = ravix::bench::MakeGeneratedFrame();
  return frame;
}

void EncodeFrameAt(benchmark::State& state, const ravix::PlaySettingsValues& settings) {
  const ravix::Drawing& frame = GeneratedFrame();
  std::vector<std::uint8_t> block;
  for (auto _ : state) {
    ravix::EncodeFrame(frame, settings, ravix::BasePosition::kMirrored, block);
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
  }
  const double points = static_cast<double>(state.iterations()) * ravix::bench::kFramePoints;
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  state.counters["points/s"] = benchmark::Counter(points, benchmark::Counter::kIsRate);
}

void BM_EncodeFrameDefault(benchmark::State& state) {
  EncodeFrameAt(state, {});
}
BENCHMARK(BM_EncodeFrameDefault)->Unit(benchmark::kMicrosecond);

void BM_EncodeFrameAdjusted(benchmark::State& state) {
  ravix::PlaySettingsValues settings;
  settings.offsetX = -37;
  settings.offsetY = 52;
  settings.locateAngle = 33;
  settings.sizeX = 31;
  settings.sizeY = 12;
  settings.redDepth = 150;
  settings.greenDepth = 40;
  settings.blueDepth = 200;
  settings.brightness = 80;
  settings.invertX = true;
  EncodeFrameAt(state, settings);
}
BENCHMARK(BM_EncodeFrameAdjusted)->Unit(benchmark::kMicrosecond);

}  // namespace
