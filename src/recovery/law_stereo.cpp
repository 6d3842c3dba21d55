#include <algorithm>
#include <cmath>
#include <iterator>

#include "pass/pass_control.h"
#include "pass/worker_pool.h"
#include "recovery/law_intensity.h"
#include "recovery/photometric_stereo.h"
#include "recovery/stereo_lights.h"

namespace {

constexpr int kRowsPerBlock = 8;
constexpr double kStartDamping = 1e-3;
constexpr double kLeastDamping = 1e-12;
constexpr double kMostDamping = 1e12;    // beyond it no step lowers the cost: a minimum
constexpr double kSmallestStep = 1e-10;  // in p and q: converged
// Woodham's answer for a glossy law lies too steep, along the right direction: the fit starts
// from it, from halfway towards the flat normal and from the flat normal, and keeps the best.
constexpr double kStartShares[] = {1.0, 0.5, 0.0};

// The fit at one cell: its lit images and the law under each of their sources.
class CellFit {
 public:
  void Clear() {
    laws_.clear();
    intensity_.clear();
  }
  void Add(const LawIntensity& law, double intensity) {
    laws_.push_back(&law);
    intensity_.push_back(intensity);
    slopes_.resize(laws_.size());
  }

  // The squared residual at (p, q) with the best albedo, which goes to `albedo`.
  double Cost(Gradient g, double& albedo) {
    double cross = 0.0;
    double square = 0.0;
    for (size_t k = 0; k < laws_.size(); ++k) {
      slopes_[k].value = (*laws_[k])(g);
      cross += intensity_[k] * slopes_[k].value;
      square += slopes_[k].value * slopes_[k].value;
    }
    albedo = square > 0.0 ? cross / square : 0.0;
    double cost = 0.0;
    for (size_t k = 0; k < laws_.size(); ++k) {
      const double residual = intensity_[k] - albedo * slopes_[k].value;
      cost += residual * residual;
    }
    return cost;
  }

  // J^T J and J^T r of the residuals r_k = I_k - a(p, q) R_k(p, q), a in closed form.
  struct Normal {
    double pp = 0.0, pq = 0.0, qq = 0.0, p = 0.0, q = 0.0;
  };
  Normal NormalAt(Gradient g) {
    double cross = 0.0, square = 0.0, crossP = 0.0, crossQ = 0.0, squareP = 0.0, squareQ = 0.0;
    for (size_t k = 0; k < laws_.size(); ++k) {
      const LawIntensity::Slopes s = slopes_[k] = laws_[k]->WithSlopes(g);
      cross += intensity_[k] * s.value;
      square += s.value * s.value;
      crossP += intensity_[k] * s.alongP;
      crossQ += intensity_[k] * s.alongQ;
      squareP += 2.0 * s.value * s.alongP;
      squareQ += 2.0 * s.value * s.alongQ;
    }
    Normal normal;
    if (!(square > 0.0)) return normal;
    // a = cross / square and its slopes by the quotient rule.
    const double a = cross / square;
    const double aP = (crossP * square - cross * squareP) / (square * square);
    const double aQ = (crossQ * square - cross * squareQ) / (square * square);
    for (size_t k = 0; k < laws_.size(); ++k) {
      const LawIntensity::Slopes& s = slopes_[k];
      const double residual = intensity_[k] - a * s.value;
      const double dp = -(aP * s.value + a * s.alongP);
      const double dq = -(aQ * s.value + a * s.alongQ);
      normal.pp += dp * dp;
      normal.pq += dp * dq;
      normal.qq += dq * dq;
      normal.p += dp * residual;
      normal.q += dq * residual;
    }
    return normal;
  }

 private:
  std::vector<const LawIntensity*> laws_;
  std::vector<double> intensity_;
  std::vector<LawIntensity::Slopes> slopes_;
};

struct Fitted {
  Gradient gradient;
  double albedo = 0.0;
  double cost = 0.0;
};

// Whether another start's fit explains the samples as well as the best (its cost at most twice
// the best's, or exact to kExactShare of the intensities' squares) with a normal more than
// kAmbiguousAngle away: the images cannot tell the two apart.
bool Disagree(const Fitted& best, const Fitted& other, double exact) {
  if (!(other.cost <= 2.0 * best.cost + exact)) return false;
  const Gradient& a = best.gradient;
  const Gradient& b = other.gradient;
  const double dot = (a.p * b.p + a.q * b.q + 1.0) /
                     std::sqrt((1.0 + a.p * a.p + a.q * a.q) * (1.0 + b.p * b.p + b.q * b.q));
  return dot < std::cos(kAmbiguousAngle);
}

// Levenberg and Marquardt from `g`, the damping on the diagonal of J^T J.
Fitted Refine(CellFit& fit, Gradient g, int iterations) {
  Fitted best{g, 0.0, 0.0};
  best.cost = fit.Cost(g, best.albedo);
  double damping = kStartDamping;
  for (int iteration = 0; iteration < iterations && best.cost > 0.0; ++iteration) {
    const CellFit::Normal n = fit.NormalAt(best.gradient);
    bool improved = false;
    while (!improved && damping < kMostDamping) {
      const double pp = n.pp * (1.0 + damping);
      const double qq = n.qq * (1.0 + damping);
      const double det = pp * qq - n.pq * n.pq;
      if (!(det > 0.0)) {
        damping *= 10.0;
        continue;
      }
      const double stepP = -(qq * n.p - n.pq * n.q) / det;
      const double stepQ = -(pp * n.q - n.pq * n.p) / det;
      Fitted trial{{best.gradient.p + stepP, best.gradient.q + stepQ}, 0.0, 0.0};
      trial.cost = fit.Cost(trial.gradient, trial.albedo);
      if (trial.cost < best.cost) {
        best = trial;
        damping = std::max(damping / 10.0, kLeastDamping);
        improved = true;
        if (std::hypot(stepP, stepQ) < kSmallestStep) return best;
      } else {
        damping *= 10.0;
      }
    }
    if (!improved) break;
  }
  return best;
}

}  // namespace

std::variant<RecoveredNormals, LightsError> LawStereo(const RecoveryImages& images,
                                                      const RenderState& law, int iterations,
                                                      std::vector<char>* ambiguous) {
  std::variant<RecoveredNormals, LightsError> result = WoodhamStereo(images);
  if (std::holds_alternative<LightsError>(result)) return result;
  RecoveredNormals& normals = std::get<RecoveredNormals>(result);
  if (ambiguous != nullptr) ambiguous->assign(images.Cells(), 0);
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
      fit.Clear();
      for (size_t k = 0; k < count; ++k) {
        if (lit[k] != 0) fit.Add(laws[k], intensity[k]);
      }
      Fitted best{{}, 0.0, INFINITY};
      Fitted fits[std::size(kStartShares)];
      size_t taken = 0;
      for (const double share : kStartShares) {
        const Fitted fitted =
            Refine(fit, {share * normals.p[cell], share * normals.q[cell]}, iterations);
        fits[taken++] = fitted;
        if (fitted.cost < best.cost) best = fitted;
      }
      if (ambiguous != nullptr) {
        double square = 0.0;
        for (size_t k = 0; k < count; ++k)
          square += lit[k] != 0 ? intensity[k] * intensity[k] : 0.0;
        for (const Fitted& other : fits) {
          if (Disagree(best, other, kExactShare * square)) (*ambiguous)[cell] = 1;
        }
      }
      normals.p[cell] = best.gradient.p;
      normals.q[cell] = best.gradient.q;
      normals.albedo[cell] = best.albedo;
    }
    if (control != nullptr) control->FinishBlock();
  };
  PassPool().Run(blocks, refineRows);
  return result;
}
