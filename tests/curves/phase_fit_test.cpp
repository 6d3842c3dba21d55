// Fits recover known parameters from synthetic points with Gaussian noise, each within three of
// its reported uncertainties and off its bounds, for several seeds: laws on brightness (Minnaert's
// k and the albedo; Hapke's w, B0, h and xi; the rough law's w and mean slope), H, G and H, G1, G2
// on magnitudes. The uncertainties follow the noise: they shrink with it. Names a model cannot vary
// are refused. Published observations give the published fits.

#include "curves/phase_fit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "law_state.h"
#include "model/startup_values.h"
#include "photometry/law_catalogue.h"

namespace {

// 50 points from 1 to 120 degrees of the model at `truth`, with noise of standard deviation
// `sigma` (relative for brightness); the file states `stated` times that sigma.
ObservationSet Synthetic(const PhaseModel& model, const std::vector<double>& truth, double sigma,
                         double stated, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> noise(0.0, 1.0);
  ObservationSet set;
  set.quantity = model.Quantity();
  set.weighted = true;
  std::vector<double> degrees;
  for (int k = 0; k < 50; ++k) degrees.push_back(1.0 + 119.0 * k / 49.0);
  const std::vector<double> values = model.Predict(truth, degrees);
  for (size_t k = 0; k < degrees.size(); ++k) {
    const double s = set.quantity == ObservedQuantity::kBrightness ? sigma * values[k] : sigma;
    set.points.push_back({degrees[k], values[k] + s * noise(random), stated * s});
  }
  return set;
}

TEST(PhaseFit, RecoversKnownParametersWithinTheirUncertainties) {
  const struct {
    int32_t kind;
    ObservedQuantity quantity;
    std::vector<std::string> names;
    std::vector<double> truth;
    double sigma;
    double stated;  // a file whose sigma is a tenth of the noise: the reduced chi-square scales
  } kRows[] = {
      {kMinnaert, ObservedQuantity::kBrightness, {"k", "albedo"}, {0.8, 0.25}, 0.02, 1.0},
      {kMinnaert, ObservedQuantity::kBrightness, {"k", "albedo"}, {1.2, 0.1}, 0.02, 0.1},
      {kMatte, ObservedQuantity::kMagnitude, {"H", "G"}, {12.3, 0.25}, 0.03, 1.0},
      {kHapke,
       ObservedQuantity::kBrightness,
       {"w", "B0", "h", "xi"},
       {0.45, 1.5, 0.1, -0.35},
       0.01,
       1.0},
      {kMatte, ObservedQuantity::kMagnitude, {"H", "G1", "G2"}, {9.8, 0.45, 0.25}, 0.03, 1.0},
      {kHapkeRough, ObservedQuantity::kBrightness, {"w", "theta"}, {0.3, 35.0}, 0.01, 1.0},
  };
  for (const auto& row : kRows) {
    const ObservationSet shape{row.quantity, true, {{0.0, 1.0, 1.0}}};
    auto made = PhaseModel::Make(LawState(row.kind), 1.0, row.quantity, row.names, shape);
    ASSERT_TRUE(std::holds_alternative<PhaseModel>(made)) << row.names[0];
    const PhaseModel& model = std::get<PhaseModel>(made);
    for (unsigned seed = 1; seed <= 4; ++seed) {
      const ObservationSet points = Synthetic(model, row.truth, row.sigma, row.stated, seed);
      auto fitted = FitPhaseModel(model, points);
      ASSERT_TRUE(std::holds_alternative<PhaseFit>(fitted));
      const PhaseFit& fit = std::get<PhaseFit>(fitted);
      for (size_t k = 0; k < row.truth.size(); ++k) {
        const FittedValue& value = fit.values[k];
        std::printf("%-3s %.1f seed %u: %-6s true %.4f fitted %.4f +- %.4f\n", row.names[0].c_str(),
                    row.stated, seed, value.name.c_str(), row.truth[k], value.value,
                    value.uncertainty);
        EXPECT_GT(value.uncertainty, 0.0) << value.name;
        EXPECT_FALSE(value.atBound) << value.name << " seed " << seed;  // the truth is inside
        EXPECT_LT(std::abs(value.value - row.truth[k]), 3.0 * value.uncertainty)
            << value.name << " seed " << seed;
        EXPECT_LT(value.uncertainty, 20.0 * row.sigma * std::max(1.0, row.truth[k])) << value.name;
      }
    }
  }
}

TEST(PhaseFit, NamesTheModelCannotVaryAreRefused) {
  const ObservationSet magnitudes{ObservedQuantity::kMagnitude, false, {{1.0, 7.0, 0.0}}};
  const ObservationSet brightness{ObservedQuantity::kBrightness, false, {{1.0, 0.2, 0.0}}};
  const struct {
    int32_t kind;
    const ObservationSet* points;
    std::vector<std::string> names;
  } kRows[] = {{kMinnaert, &brightness, {"sigma"}},
               {kMinnaert, &magnitudes, {"k"}},
               {kMinnaert, &magnitudes, {"k", "albedo", "H"}},
               {kHapke, &brightness, {"albedo"}},
               {kHapkeRough, &brightness, {"w", "Hyear"}},
               {kMatte, &magnitudes, {"H", "G", "G1"}},
               {kMatte, &magnitudes, {"H", "G", "k"}},
               {kMirror, &brightness, {"albedo"}}};
  for (const auto& row : kRows) {
    EXPECT_TRUE(std::holds_alternative<Message>(
        PhaseModel::Make(LawState(row.kind), 1.0, row.points->quantity, row.names, *row.points)))
        << row.kind << " " << row.names.front();
  }
}

// Reduced V magnitudes of (85) Io and (338) Budrosa against the phase angle, and the H, G and
// H, G1, G2 the authors fitted to them: A. Carbognani, A. Cellino, S. Caminiti, New phase-magnitude
// curves for some main belt asteroids, Planetary and Space Science 169 (2019) 15, as the table of
// the Pyedra package (data/carbognani2019) repeats them. Unweighted, as the table has no errors.
TEST(PhaseFit, PublishedObservationsGiveThePublishedParameters) {
  const std::vector<Observation> kIo = {{0.89, 7.62, 0.0}, {1.18, 7.67, 0.0},  {2.07, 7.82, 0.0},
                                        {5.11, 8.01, 0.0}, {16.24, 8.48, 0.0}, {17.49, 8.53, 0.0},
                                        {21.24, 8.66, 0.0}};
  const struct {
    const char* asteroid;
    std::vector<Observation> points;
    std::vector<std::string> names;
    std::vector<double> published;
    double tolerance;
  } kRows[] = {
      {"(85) Io", kIo, {"H", "G"}, {7.52, 0.0753}, 0.03},
      {"(85) Io", kIo, {"H", "G1", "G2"}, {7.41, 0.3358, 0.2147}, 0.03},
      {"(338) Budrosa",
       {{1.54, 8.74, 0.0},
        {3.86, 8.93, 0.0},
        {10.89, 9.49, 0.0},
        {18.93, 9.85, 0.0},
        {19.25, 9.77, 0.0}},
       {"H", "G"},
       {8.51, -0.0812},
       0.04},
  };
  for (const auto& row : kRows) {
    const ObservationSet points{ObservedQuantity::kMagnitude, false, row.points};
    auto made =
        PhaseModel::Make(LawState(kMatte), 1.0, ObservedQuantity::kMagnitude, row.names, points);
    ASSERT_TRUE(std::holds_alternative<PhaseModel>(made));
    auto fitted = FitPhaseModel(std::get<PhaseModel>(made), points);
    ASSERT_TRUE(std::holds_alternative<PhaseFit>(fitted));
    ASSERT_EQ(std::get<PhaseFit>(fitted).values.size(), row.published.size());
    for (size_t k = 0; k < row.published.size(); ++k) {
      const FittedValue& value = std::get<PhaseFit>(fitted).values[k];
      std::printf("%s %s: published %.4f fitted %.4f +- %.4f\n", row.asteroid, value.name.c_str(),
                  row.published[k], value.value, value.uncertainty);
      EXPECT_NEAR(value.value, row.published[k], row.tolerance)
          << row.asteroid << " " << value.name;
    }
  }
}

}  // namespace
