// Timings of a phase-curve fit to 50 observed points: Hapke's four parameters on brightness (the
// costliest law, each prediction a disc integral a point), and H, G1, G2 on magnitudes. The
// points are the model's own at other values, with 2% noise from a fixed seed.

#include <benchmark/benchmark.h>

#include <random>

#include "curves/phase_fit.h"
#include "model/startup_values.h"
#include "photometry/law_catalogue.h"

namespace {

constexpr int kPoints = 50;

ObservationSet NoisyPoints(const PhaseModel& model, const std::vector<double>& truth) {
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0.0, 0.02);
  ObservationSet set{model.Quantity(), false, {}};
  std::vector<double> degrees;
  for (int k = 0; k < kPoints; ++k) degrees.push_back(0.5 + 140.0 * k / (kPoints - 1));
  const std::vector<double> values = model.Predict(truth, degrees);
  for (size_t k = 0; k < degrees.size(); ++k) {
    const double scale = model.Quantity() == ObservedQuantity::kBrightness ? values[k] : 1.0;
    set.points.push_back({degrees[k], values[k] + scale * noise(random), 0.0});
  }
  return set;
}

// Argument: 0 for Hapke (w, B0, h, xi on brightness), 1 for H, G1, G2 on magnitudes.
void BM_PhaseFit(benchmark::State& bench) {
  const bool system = bench.range(0) != 0;
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = system ? kMatte : kHapke;
  state.law = StartLawSettings(state.reflectanceKind);
  const ObservedQuantity quantity =
      system ? ObservedQuantity::kMagnitude : ObservedQuantity::kBrightness;
  const std::vector<std::string> names = system ? std::vector<std::string>{"H", "G1", "G2"}
                                                : std::vector<std::string>{"w", "B0", "h", "xi"};
  const ObservationSet shape{quantity, false, {{1.0, 1.0, 0.0}}};
  const PhaseModel model =
      std::get<PhaseModel>(PhaseModel::Make(state, 1.0, quantity, names, shape));
  const std::vector<double> truth =
      system ? std::vector<double>{7.0, 0.5, 0.2} : std::vector<double>{0.45, 1.5, 0.1, -0.35};
  const ObservationSet points = NoisyPoints(model, truth);
  int evaluations = 0;
  for (auto _ : bench) {
    auto fit = FitPhaseModel(model, points);
    evaluations = std::get<PhaseFit>(fit).evaluations;
    benchmark::DoNotOptimize(fit);
  }
  bench.SetLabel((system ? std::string("H, G1, G2") : std::string("hapke")) + ", " +
                 std::to_string(evaluations) + " evaluations");
}
BENCHMARK(BM_PhaseFit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
