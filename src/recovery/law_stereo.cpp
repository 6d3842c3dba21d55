#include <algorithm>
#include <cmath>

#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "recovery/law_intensity.h"
#include "recovery/photometric_stereo.h"
#include "recovery/stereo_lights.h"

namespace {

constexpr int kRowsPerBlock = 8;
constexpr double kStartDamping = 1e-3;
constexpr double kSmallestStep = 1e-10;  // in p and q: converged

// The lit images of one cell and the law under each of their sources.
struct CellFit {
  std::vector<const LawIntensity*> laws;
  std::vector<double> intensity;

  // The squared residual at (p, q) with the best albedo, which goes to `albedo`.
  double Cost(Gradient g, double& albedo) const {
    double cross = 0.0;
    double square = 0.0;
    std::vector<double> model(laws.size());
    for (size_t k = 0; k < laws.size(); ++k) {
      model[k] = (*laws[k])(g);
      cross += intensity[k] * model[k];
      square += model[k] * model[k];
    }
    albedo = square > 0.0 ? cross / square : 0.0;
    double cost = 0.0;
    for (size_t k = 0; k < laws.size(); ++k) {
      const double r = intensity[k] - albedo * model[k];
      cost += r * r;
    }
    return cost;
  }

  // J^T J and J^T r of the residuals r_k = I_k - a(p, q) R_k(p, q) at (p, q), a in closed form.
  void Normal(Gradient g, double& jpp, double& jpq, double& jqq, double& rp, double& rq) const {
    const size_t n = laws.size();
    std::vector<LawIntensity::Slopes> slopes(n);
    double cross = 0.0, square = 0.0, crossP = 0.0, crossQ = 0.0, squareP = 0.0, squareQ = 0.0;
    for (size_t k = 0; k < n; ++k) {
      slopes[k] = laws[k]->WithSlopes(g);
      const LawIntensity::Slopes& s = slopes[k];
      cross += intensity[k] * s.value;
      square += s.value * s.value;
      crossP += intensity[k] * s.alongP;
      crossQ += intensity[k] * s.alongQ;
      squareP += 2.0 * s.value * s.alongP;
      squareQ += 2.0 * s.value * s.alongQ;
    }
    const double a = square > 0.0 ? cross / square : 0.0;
    const double aP = square > 0.0 ? (crossP * square - cross * squareP) / (square * square) : 0.0;
    const double aQ = square > 0.0 ? (crossQ * square - cross * squareQ) / (square * square) : 0.0;
    jpp = jpq = jqq = rp = rq = 0.0;
    for (size_t k = 0; k < n; ++k) {
      const LawIntensity::Slopes& s = slopes[k];
      const double r = intensity[k] - a * s.value;
      const double dp = -(aP * s.value + a * s.alongP);
      const double dq = -(aQ * s.value + a * s.alongQ);
      jpp += dp * dp;
      jpq += dp * dq;
      jqq += dq * dq;
      rp += dp * r;
      rq += dq * r;
    }
  }
};

// Levenberg and Marquardt from `g`: the refined gradient and its albedo.
Gradient Refine(const CellFit& fit, Gradient g, int iterations, double& albedo) {
  double damping = kStartDamping;
  double cost = fit.Cost(g, albedo);
  for (int iteration = 0; iteration < iterations && cost > 0.0; ++iteration) {
    double jpp, jpq, jqq, rp, rq;
    fit.Normal(g, jpp, jpq, jqq, rp, rq);
    bool improved = false;
    while (!improved && damping < 1e12) {
      const double a = jpp * (1.0 + damping);
      const double d = jqq * (1.0 + damping);
      const double det = a * d - jpq * jpq;
      if (!(det > 0.0)) {
        damping *= 10.0;
        continue;
      }
      const double stepP = -(d * rp - jpq * rq) / det;
      const double stepQ = -(a * rq - jpq * rp) / det;
      const Gradient trial{g.p + stepP, g.q + stepQ};
      double trialAlbedo = 0.0;
      const double trialCost = fit.Cost(trial, trialAlbedo);
      if (trialCost < cost) {
        g = trial;
        cost = trialCost;
        albedo = trialAlbedo;
        damping = std::max(damping / 10.0, 1e-12);
        improved = true;
        if (std::hypot(stepP, stepQ) < kSmallestStep) return g;
      } else {
        damping *= 10.0;
      }
    }
    if (!improved) break;
  }
  return g;
}

}  // namespace

std::variant<RecoveredNormals, LightsError> LawStereo(const RecoveryImages& images,
                                                      const RenderState& law, int iterations) {
  std::variant<RecoveredNormals, LightsError> start = WoodhamStereo(images);
  if (std::holds_alternative<LightsError>(start)) return start;
  RecoveredNormals& normals = std::get<RecoveredNormals>(start);
  const StereoLights lights = MakeStereoLights(images);
  std::vector<LawIntensity> laws;
  for (const LightAim& source : images.sources) laws.emplace_back(law, source);
  const size_t count = lights.Count();
  PassControl* const control = CurrentPassControl();
  const int blocks = (images.height + kRowsPerBlock - 1) / kRowsPerBlock;
  if (control != nullptr) control->AddBlocks(blocks);
  const auto refineRows = [&](int block) {
    if (control != nullptr && control->Cancelled()) return;
    std::vector<double> intensity(count);
    std::vector<char> lit(count);
    CellFit fit;
    const size_t width = static_cast<size_t>(images.width);
    const size_t begin = static_cast<size_t>(block) * kRowsPerBlock * width;
    const size_t end = std::min(images.Cells(), begin + kRowsPerBlock * width);
    for (size_t cell = begin; cell < end; ++cell) {
      if (!normals.Has(cell)) continue;
      lights.Gather(images, cell, intensity.data(), lit.data());
      fit.laws.clear();
      fit.intensity.clear();
      for (size_t k = 0; k < count; ++k) {
        if (lit[k] == 0) continue;
        fit.laws.push_back(&laws[k]);
        fit.intensity.push_back(intensity[k]);
      }
      double albedo = normals.albedo[cell];
      Gradient g = Refine(fit, {normals.p[cell], normals.q[cell]}, iterations, albedo);
      {
        double a0 = 0.0;
        double c1 = fit.Cost(g, albedo);
        const Gradient g0 = Refine(fit, {0.0, 0.0}, iterations, a0);
        if (fit.Cost(g0, a0) < c1) { g = g0; albedo = a0; }
      }
      normals.p[cell] = g.p;
      normals.q[cell] = g.q;
      normals.albedo[cell] = albedo;
    }
    if (control != nullptr) control->FinishBlock();
  };
  PassPool().Run(blocks, refineRows);
  return start;
}
