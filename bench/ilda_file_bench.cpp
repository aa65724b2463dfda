#include <benchmark/benchmark.h>

#include "core/ilda_file.hpp"

namespace {

constexpr std::size_t kFrames = 200;
constexpr std::size_t kPointsPerFrame = 50'000;  // 10 million points in all

const ravix::TILDAimage& GeneratedImage() {
  static const ravix::TILDAimage image = [] {
    ravix::TILDAimage generated;
    generated.frames.resize(kFrames);
    for (std::size_t f = 0; f < kFrames; ++f) {
      auto& points = generated.frames[f].points;
      points.resize(kPointsPerFrame);
      for (std::size_t i = 0; i < kPointsPerFrame; ++i) {
        points[i] = ravix::LaserPoint{static_cast<int>((i * 7 + f) % 256) - 128,
                                      static_cast<int>((i * 13) % 256) - 128,
                                      0,
                                      static_cast<std::uint8_t>(i % 256),
                                      0,
                                      static_cast<std::uint8_t>(i % 9 == 0)};
      }
    }
    return generated;
  }();
  return image;
}

const ravix::Bytes& GeneratedFile() {
  static const ravix::Bytes bytes = [] {
    ravix::Bytes out;
    ravix::IldaFileEncode(GeneratedImage(), out);
    return out;
  }();
  return bytes;
}

// Items are points.
void SetRates(benchmark::State& state, std::size_t bytes) {
  const auto iterations = static_cast<std::int64_t>(state.iterations());
  state.SetItemsProcessed(iterations * static_cast<std::int64_t>(kFrames * kPointsPerFrame));
  state.SetBytesProcessed(iterations * static_cast<std::int64_t>(bytes));
}

void BM_IldaFileRead(benchmark::State& state) {
  const ravix::Bytes& file = GeneratedFile();
  for (auto _ : state) {
    ravix::TILDAimage image;
    benchmark::DoNotOptimize(ravix::IldaParse(file, image));
    benchmark::DoNotOptimize(image.frames.data());
  }
  SetRates(state, file.size());
}
BENCHMARK(BM_IldaFileRead)->Unit(benchmark::kMillisecond);

void BM_IldaFileWrite(benchmark::State& state) {
  const ravix::TILDAimage& image = GeneratedImage();
  ravix::Bytes out;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravix::IldaFileEncode(image, out));
    benchmark::DoNotOptimize(out.data());
  }
  SetRates(state, GeneratedFile().size());
}
BENCHMARK(BM_IldaFileWrite)->Unit(benchmark::kMillisecond);

}  // namespace
