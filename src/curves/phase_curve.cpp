#include "curves/phase_curve.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "curves/phase_law.h"
#include "pass/pass_control.h"
#include "pass/readout.h"
#include "pass/worker_pool.h"

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The brightness of the disc at phase angle g: the sum of phi over the lit cells of the visible
// half of the disc (x >= 0; the other half is its mirror image), times the cell's area.
double DiscBrightness(const RenderState& state, double g, int gridSide) {
  const PhaseLaw law(state, g);
  const double sinG = std::sin(g);
  const double cosG = std::cos(g);
  const double cell = 2.0 / gridSide;
  double sum = 0.0;
  for (int row = 0; row < gridSide; ++row) {
    const double y = -1.0 + (row + 0.5) * cell;
    for (int column = gridSide / 2; column < gridSide; ++column) {
      const double x = -1.0 + (column + 0.5) * cell;
      const double zz = 1.0 - x * x - y * y;
      if (!(zz > 0.0)) continue;
      const double mu = std::sqrt(zz);
      const double mu0 = y * sinG + mu * cosG;
      if (!(mu0 > 0.0)) continue;
      const double phi = law.Phi(mu0, mu);
      if (std::isfinite(phi)) sum += phi;
    }
  }
  return 2.0 * sum * cell * cell;
}

}  // namespace

std::optional<PhaseCurve> ComputePhaseCurve(const RenderState& lastPass, double stepDegrees,
                                            int gridSide, double lastDegrees) {
  if (lastPass.reflectanceKind == kMirror || !(stepDegrees >= 0.1) || stepDegrees > 30.0 ||
      !(lastDegrees >= 1.0) || lastDegrees > 180.0) {
    return std::nullopt;
  }
  PhaseCurve curve;
  for (double g = 0.0; g < lastDegrees - 1e-9; g += stepDegrees) curve.degrees.push_back(g);
  curve.degrees.push_back(lastDegrees);
  std::vector<double> sums(curve.degrees.size());
  PassControl* control = CurrentPassControl();
  const int count = static_cast<int>(sums.size());
  if (control != nullptr) control->AddBlocks(count);
  PassPool().Run(count, [&](int k) {
    if (control != nullptr && control->Cancelled()) return;
    sums[static_cast<size_t>(k)] = DiscBrightness(
        lastPass, curve.degrees[static_cast<size_t>(k)] * kRadiansPerDegree, gridSide);
    if (control != nullptr) control->FinishBlock();
  });
  if (control != nullptr && control->Cancelled()) return std::nullopt;
  if (!(sums.front() > 0.0) || !std::isfinite(sums.front())) return std::nullopt;
  for (const double sum : sums) curve.brightness.push_back(sum / sums.front());
  curve.phaseIntegral = lastDegrees == 180.0 ? PhaseIntegral(curve.degrees, curve.brightness)
                                             : std::numeric_limits<double>::quiet_NaN();
  return curve;
}

double LambertSpherePhase(double g) {
  return (std::sin(g) + (std::numbers::pi - g) * std::cos(g)) / std::numbers::pi;
}

double LommelSeeligerSpherePhase(double g) {
  if (g <= 0.0) return 1.0;
  if (g >= std::numbers::pi) return 0.0;
  return 1.0 - std::sin(g / 2.0) * std::tan(g / 2.0) * std::log(1.0 / std::tan(g / 4.0));
}

double PhaseIntegral(const std::vector<double>& degrees, const std::vector<double>& brightness) {
  double integral = 0.0;
  for (size_t k = 1; k < degrees.size() && k < brightness.size(); ++k) {
    const double g0 = degrees[k - 1] * kRadiansPerDegree;
    const double g1 = degrees[k] * kRadiansPerDegree;
    integral += (brightness[k - 1] * std::sin(g0) + brightness[k] * std::sin(g1)) / 2.0 * (g1 - g0);
  }
  return 2.0 * integral;
}

std::string PhaseCurveCsv(const PhaseCurve& curve) {
  std::string csv = "g,brightness\n";
  for (size_t k = 0; k < curve.degrees.size() && k < curve.brightness.size(); ++k) {
    csv += ReadoutNumber(curve.degrees[k], 3) + "," + ReadoutNumber(curve.brightness[k], 6) + "\n";
  }
  return csv;
}
