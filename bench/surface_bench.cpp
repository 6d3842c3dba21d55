// Timings of a surface's image: a 512 x 512 crater under matte and Hapke's law, with and without
// its cast shadows found each time (their sweep is part of the cost); items per second count
// pixels. The gradients are found once, as the window finds them once a surface.

#include <benchmark/benchmark.h>

#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "photometry/law_catalogue.h"
#include "photometry/light_source.h"
#include "surface/cast_shadows.h"
#include "surface/surface_catalogue.h"
#include "surface/surface_image.h"

namespace {

constexpr int kSide = 512;

// Arguments: reflectance kind (matte or Hapke at its start values), cast shadows (0/1).
void BM_SurfacePass(benchmark::State& bench) {
  const auto kind = static_cast<int32_t>(bench.range(0));
  const bool shadows = bench.range(1) != 0;
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  const LightAim source{60.0, 30.0};
  const SurfaceKind& crater = *FindSurfaceKind("crater");
  const SurfaceScene scene = MakeScene(MakeSurface(crater, kSide, kSide, StartValues(crater)));
  ImageBuffer picture(kSide, kSide);
  for (auto _ : bench) {
    const std::vector<uint8_t> cast =
        shadows ? CastShadows(scene.field, source) : std::vector<uint8_t>{};
    PaintSurfaceImage(state, scene, source, cast, picture);
    benchmark::DoNotOptimize(picture.Pixels().data());
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * kSide * kSide);
  const LawEntry* law = FindLaw(kind);
  bench.SetLabel(std::string(law ? law->name : "matte") + (shadows ? " cast shadows" : ""));
}

BENCHMARK(BM_SurfacePass)->ArgsProduct({{kMatte, kHapke}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
