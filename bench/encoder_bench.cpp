#include <benchmark/benchmark.h>

#include <vector>

#include "output/frame_encoder.hpp"

namespace {

constexpr std::size_t kObjects = 20;
constexpr std::size_t kPointsPerObject = 5'000;  // 100,000 points a frame

const ravix::Drawing& GeneratedFrame() {
  static const ravix::Drawing frame = [] {
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
  }();
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
  const double points = static_cast<double>(state.iterations()) * kObjects * kPointsPerObject;
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
