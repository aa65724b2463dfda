#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/byte_file.hpp"
#include "drawing/frame_list_file.hpp"
#include "drawing/point_line.hpp"
#include "segments/segment_file.hpp"

namespace {

constexpr std::size_t kFrames = 300;
constexpr std::size_t kPointsPerFrame = 12'000;
constexpr std::size_t kPointsPerObject = 100;
constexpr std::uintmax_t kMinimumFileBytes = 50u << 20;

ravix::Drawing GeneratedFrame(std::size_t f) {
  ravix::Drawing frame(kPointsPerFrame / kPointsPerObject);
  for (std::size_t i = 0; i < kPointsPerFrame; ++i) {
    frame[i / kPointsPerObject].push_back(
        ravix::LaserPoint{static_cast<int>((i * 7 + f) % 256), static_cast<int>((i * 13) % 256),
                          static_cast<int>(i % 4), static_cast<std::uint8_t>(i % 256), 0,
                          static_cast<std::uint8_t>(i % 9 == 0)});
  }
  return frame;
}

// The generated files, in a temporary folder removed at exit.
class GeneratedFiles {
 public:
  GeneratedFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravix-bench-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    ravix::FrameList frames;
    std::vector<std::string> drawingLines;
    std::vector<ravix::SegmentItemCells> items;
    for (std::size_t f = 0; f < kFrames; ++f) {
      frames.push_back(GeneratedFrame(f));
      drawingLines.push_back(ravix::EncodePointLine(frames.back()));
      items.push_back({std::to_string(f), "400", "Spin.ect", "257"});
    }
    ravix::FrameListWrite(FrameListPath(), frames);
    const ravix::EffectList effects = {{{"Spin.ect", {"ro:128,128,160"}}}};
    ravix::SegmentFileWrite(SegmentPath(), items, drawingLines, effects);
  }
  ~GeneratedFiles() { std::filesystem::remove_all(folder_); }

  std::filesystem::path FrameListPath() const { return folder_ / "big.ilf"; }
  std::filesystem::path SegmentPath() const { return folder_ / "big.sec"; }

 private:
  std::filesystem::path folder_;
};

const GeneratedFiles& Files() {
  static const GeneratedFiles files;
  return files;
}

bool CheckSize(benchmark::State& state, const std::filesystem::path& path) {
  const std::uintmax_t bytes = std::filesystem::file_size(path);
  if (bytes < kMinimumFileBytes) {
    state.SkipWithError("generated file is smaller than 50 MB");
    return false;
  }
  state.counters["MB"] = static_cast<double>(bytes) / (1 << 20);
  return true;
}

void SetRates(benchmark::State& state, const std::filesystem::path& path) {
  const auto iterations = static_cast<std::int64_t>(state.iterations());
  state.SetBytesProcessed(iterations * static_cast<std::int64_t>(std::filesystem::file_size(path)));
  state.SetItemsProcessed(iterations * static_cast<std::int64_t>(kFrames * kPointsPerFrame));
}

void BM_FrameListRead(benchmark::State& state) {
  const auto path = Files().FrameListPath();
  if (!CheckSize(state, path))
    return;
  for (auto _ : state) {
    ravix::FrameList frames;
    benchmark::DoNotOptimize(ravix::FrameListRead(path, frames));
    benchmark::DoNotOptimize(frames.data());
  }
  SetRates(state, path);
}
BENCHMARK(BM_FrameListRead)->Unit(benchmark::kMillisecond);

void BM_SegmentFileRead(benchmark::State& state) {
  const auto path = Files().SegmentPath();
  if (!CheckSize(state, path))
    return;
  for (auto _ : state) {
    std::vector<ravix::TSectionRecord> rows;
    benchmark::DoNotOptimize(ravix::SegmentFileRead(path, rows));
    benchmark::DoNotOptimize(rows.data());
  }
  SetRates(state, path);
}
BENCHMARK(BM_SegmentFileRead)->Unit(benchmark::kMillisecond);

}  // namespace
