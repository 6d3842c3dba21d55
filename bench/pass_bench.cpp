// Timings of one raster pass over the picture, for each reflectance function, grey and colour,
// with and without 2x2 smoothing, of each additional law and a typed formula, of the
// gradient-space map's pass (its clear and axes included), and of a live step (the sphere's pass
// and the map's, both smoothed); items per second count pixels. `--threads N` sets the passes'
// threads (default: the CPUs this process may run on); every other argument is Google Benchmark's.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "gradient/gradient_map.h"
#include "intake/number_text.h"
#include "intake/parameter_intake.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/heap_pages.h"
#include "pass/raster_pass.h"
#include "pass/worker_pool.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr int64_t kDefaultWidth = kDefaultPictureWidth;
constexpr int64_t kDefaultHeight = kDefaultPictureHeight;
constexpr int64_t kLargeScale = 4;  // 1572 by 1348: sixteen times the pixels

constexpr const char* kNames[] = {"", "matte", "glossy", "rocky", "mirror"};

// A fresh window's state after one read of its default texts, with the function and colour
// switch chosen; nothing when the texts did not read (the benchmark is then marked failed).
std::optional<RenderState> PreparedState(benchmark::State& bench, int32_t kind, int16_t colour) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.showIsolines = colour;
  if (std::holds_alternative<InputError>(
          ReadShadeParameters(state, ShadeInputs{}, CNumberFormat()))) {
    bench.SkipWithError("the default texts did not read");
    return std::nullopt;
  }
  return state;
}

std::string Label(int32_t kind, int16_t colour, bool smoothing) {
  return std::string(kNames[kind]) + (colour ? " colour" : " grey") + (smoothing ? " smooth" : "");
}

// Arguments: reflectance kind, colour isolines (0/1), smoothing state (0/1), width, height, and
// the sphere's magnification (1: radius 100 pixels as in the window).
void BM_RasterPass(benchmark::State& bench) {
  const auto kind = static_cast<int32_t>(bench.range(0));
  const auto colour = static_cast<int16_t>(bench.range(1));
  const int smoothing = static_cast<int>(bench.range(2));
  const int width = static_cast<int>(bench.range(3));
  const int height = static_cast<int>(bench.range(4));
  const int magnification = static_cast<int>(bench.range(5));

  std::optional<RenderState> prepared = PreparedState(bench, kind, colour);
  if (!prepared) return;
  RenderState& state = *prepared;
  state.pixelScale = static_cast<float>(static_cast<double>(state.pixelScale) / magnification);
  ImageBuffer picture(width, height);

  for (auto _ : bench) {
    RunRasterPass(state, picture, smoothing);
    benchmark::DoNotOptimize(picture.Row(0));
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * static_cast<int64_t>(width) * height);
  bench.SetLabel(Label(kind, colour, smoothing != 0) +
                 (magnification > 1 ? " sphere x" + std::to_string(magnification) : ""));
}

void DefaultPictures(benchmark::internal::Benchmark* b) {
  for (int64_t kind : {kMatte, kGlossy, kRocky, kMirror}) {
    for (int64_t colour : {0, 1}) {
      for (int64_t smoothing : {0, 1}) {
        b->Args({kind, colour, smoothing, kDefaultWidth, kDefaultHeight, 1});
      }
    }
  }
}

// A picture sixteen times larger, with the sphere magnified alike (the same share of sphere and
// background: the cost per pixel should stay flat) and, for comparison, at its window size.
void LargePictures(benchmark::internal::Benchmark* b) {
  constexpr int64_t kWidth = kDefaultWidth * kLargeScale;
  constexpr int64_t kHeight = kDefaultHeight * kLargeScale;
  for (int64_t colour : {0, 1}) {
    b->Args({kMatte, colour, 0, kWidth, kHeight, kLargeScale});
  }
  b->Args({kGlossy, 1, 1, kWidth, kHeight, kLargeScale});
  b->Args({kMatte, 1, 0, kWidth, kHeight, 1});
}

BENCHMARK(BM_RasterPass)->Apply(DefaultPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterPass)->Apply(LargePictures)->Unit(benchmark::kMillisecond);

// Arguments: reflectance kind, colour isolines (0/1), smoothing (0/1); the default picture size.
void BM_GradientMapPass(benchmark::State& bench) {
  const auto kind = static_cast<int32_t>(bench.range(0));
  const auto colour = static_cast<int16_t>(bench.range(1));
  const bool smoothing = bench.range(2) != 0;

  const std::optional<RenderState> state = PreparedState(bench, kind, colour);
  if (!state) return;
  ImageBuffer picture(kDefaultWidth, kDefaultHeight);

  for (auto _ : bench) {
    RunGradientMapPass(*state, picture, smoothing);
    benchmark::DoNotOptimize(picture.Row(0));
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * kDefaultWidth * kDefaultHeight);
  bench.SetLabel(Label(kind, colour, smoothing));
}

BENCHMARK(BM_GradientMapPass)
    ->ArgsProduct({{kMatte, kGlossy}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Arguments: reflectance kind, colour isolines (0/1); the default picture size, both smoothed.
void BM_LiveStep(benchmark::State& bench) {
  const auto kind = static_cast<int32_t>(bench.range(0));
  const auto colour = static_cast<int16_t>(bench.range(1));
  std::optional<RenderState> state = PreparedState(bench, kind, colour);
  if (!state) return;
  ImageBuffer sphere(kDefaultWidth, kDefaultHeight);
  ImageBuffer map(kDefaultWidth, kDefaultHeight);
  for (auto _ : bench) {
    RunRasterPass(*state, sphere, true);
    RunGradientMapPass(*state, map, true);
    benchmark::DoNotOptimize(sphere.Row(0));
    benchmark::DoNotOptimize(map.Row(0));
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * kDefaultWidth * kDefaultHeight * 2);
  bench.SetLabel(Label(kind, colour, true) + " sphere and map");
}

BENCHMARK(BM_LiveStep)->ArgsProduct({{kMatte, kGlossy}, {0, 1}})->Unit(benchmark::kMillisecond);

// Takes "--threads N" (or "--threads=N") out of the arguments; false for a bad count.
bool TakeThreadsOption(int& argc, char** argv) {
  std::vector<char*> kept;
  for (int i = 0; i < argc; ++i) {
    const char* value = nullptr;
    if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
      value = argv[++i];
    } else if (std::strncmp(argv[i], "--threads=", std::strlen("--threads=")) == 0) {
      value = argv[i] + std::strlen("--threads=");
    } else {
      kept.push_back(argv[i]);
      continue;
    }
    const int threads = std::atoi(value);
    if (threads < 1) return false;
    SetPassThreadCount(threads);
  }
  argc = static_cast<int>(kept.size());
  for (int i = 0; i < argc; ++i) argv[i] = kept[static_cast<size_t>(i)];
  return true;
}

// Arguments: reflectance kind (matte for comparison, or an additional law at its start values;
// the formula is Minnaert's law typed, ci^k * ce^(k-1)), colour isolines (0/1); the default
// picture without smoothing.
void BM_LawPass(benchmark::State& bench) {
  const auto kind = static_cast<int32_t>(bench.range(0));
  const auto colour = static_cast<int16_t>(bench.range(1));
  std::optional<RenderState> state = PreparedState(bench, kind, colour);
  if (!state) return;
  state->law = StartLawSettings(kind);
  if (kind == kFormula) {
    CompiledFormula formula = CompileFormula("ci^k * ce^(k-1)", {"k"});
    if (!std::holds_alternative<std::shared_ptr<const CustomFormula>>(formula)) {
      bench.SkipWithError("the formula did not compile");
      return;
    }
    state->law.formula = std::get<std::shared_ptr<const CustomFormula>>(formula);
    state->law.parameters[0] = 0.7;
  }
  ImageBuffer picture(kDefaultWidth, kDefaultHeight);
  for (auto _ : bench) {
    RunRasterPass(*state, picture, false);
    benchmark::DoNotOptimize(picture.Pixels().data());
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * kDefaultWidth * kDefaultHeight);
  const LawEntry* law = FindLaw(kind);
  bench.SetLabel(std::string(law ? law->name : "matte") + (colour ? " colour" : " grey"));
}

BENCHMARK(BM_LawPass)
    ->ArgsProduct({{kMatte, kMinnaert, kLommelSeeliger, kLunarLambert, kOrenNayar, kHapke,
                    kBlinnPhong, kCookTorrance, kFormula},
                   {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  KeepFreedHeapPages();
  if (!TakeThreadsOption(argc, argv)) {
    std::fputs("gauss-sphere-bench: --threads needs a whole number from 1 up\n", stderr);
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("pass threads", std::to_string(PassThreadCount()));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
