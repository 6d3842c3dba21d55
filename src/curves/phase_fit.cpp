#include "curves/phase_fit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>
#include <unsupported/Eigen/LevenbergMarquardt>
#include <unsupported/Eigen/NumericalDiff>

namespace {

constexpr int kMaxEvaluations = 4000;
// A point the model cannot predict (a magnitude where the law is dark) weighs this much.
constexpr double kUnpredictable = 1e6;
constexpr double kRelativeStep = 1e-5;
constexpr double kSmallestStep = 1e-7;

struct WeightedResiduals : Eigen::DenseFunctor<double> {
  WeightedResiduals(const PhaseModel& model, const ObservationSet& observations)
      : DenseFunctor<double>(static_cast<int>(model.Parameters().size()),
                             static_cast<int>(observations.points.size())),
        model_(model),
        observations_(observations) {
    for (const Observation& point : observations.points) degrees_.push_back(point.degrees);
  }

  int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) const {
    const std::vector<double> predicted =
        model_.Predict(std::vector<double>(x.data(), x.data() + x.size()), degrees_);
    for (size_t k = 0; k < predicted.size(); ++k) {
      const Observation& point = observations_.points[k];
      const double sigma = observations_.weighted ? point.sigma : 1.0;
      const double r = (predicted[k] - point.value) / sigma;
      residuals[static_cast<Eigen::Index>(k)] = std::isfinite(r) ? r : kUnpredictable;
    }
    return 0;
  }

 private:
  const PhaseModel& model_;
  const ObservationSet& observations_;
  std::vector<double> degrees_;
};

// The solver works on unbounded values u: a parameter bounded on both sides is
// lo + (hi - lo) / (1 + exp(-u)), one bounded below only lo + exp(u), a free one u itself. No bound
// is ever crossed, and the path does not stall on a clamped stretch where the model is flat.
constexpr double kInside = 1e-6;  // how near a bound a start may lie, as a fraction of the range

double FromFree(const FitParameter& p, double u) {
  const bool low = std::isfinite(p.lowest);
  const bool high = std::isfinite(p.highest);
  if (low && high) return p.lowest + (p.highest - p.lowest) / (1.0 + std::exp(-u));
  if (low) return p.lowest + std::exp(u);
  return u;
}

double ToFree(const FitParameter& p, double x) {
  const bool low = std::isfinite(p.lowest);
  const bool high = std::isfinite(p.highest);
  if (low && high) {
    const double t = std::clamp((x - p.lowest) / (p.highest - p.lowest), kInside, 1.0 - kInside);
    return std::log(t / (1.0 - t));
  }
  if (low) return std::log(std::max(x - p.lowest, kInside));
  return x;
}

struct FreeResiduals : Eigen::DenseFunctor<double> {
  explicit FreeResiduals(const WeightedResiduals& bounded, const PhaseModel& model)
      : DenseFunctor<double>(bounded.inputs(), bounded.values()),
        bounded_(bounded),
        model_(model) {}

  Eigen::VectorXd Bounded(const Eigen::VectorXd& u) const {
    Eigen::VectorXd x(u.size());
    for (Eigen::Index k = 0; k < u.size(); ++k) {
      x[k] = FromFree(model_.Parameters()[static_cast<size_t>(k)], u[k]);
    }
    return x;
  }

  int operator()(const Eigen::VectorXd& u, Eigen::VectorXd& residuals) const {
    return bounded_(Bounded(u), residuals);
  }

 private:
  const WeightedResiduals& bounded_;
  const PhaseModel& model_;
};

// The Jacobian of the weighted residuals by central differences, each parameter stepped within
// its bounds (one-sided at an end).
Eigen::MatrixXd CentralJacobian(const WeightedResiduals& residuals, const PhaseModel& model,
                                const Eigen::VectorXd& x) {
  const Eigen::Index m = residuals.values();
  Eigen::MatrixXd jacobian(m, x.size());
  Eigen::VectorXd up(m), down(m);
  for (Eigen::Index k = 0; k < x.size(); ++k) {
    const FitParameter& p = model.Parameters()[static_cast<size_t>(k)];
    const double step = std::max(kSmallestStep, kRelativeStep * std::abs(x[k]));
    Eigen::VectorXd above = x, below = x;
    above[k] = std::min(x[k] + step, p.highest);
    below[k] = std::max(x[k] - step, p.lowest);
    residuals(above, up);
    residuals(below, down);
    jacobian.col(k) = (up - down) / (above[k] - below[k]);
  }
  return jacobian;
}

}  // namespace

std::variant<PhaseFit, Message> FitPhaseModel(const PhaseModel& model,
                                              const ObservationSet& observations) {
  const size_t n = model.Parameters().size();
  if (n == 0) {
    return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "не назван ни один параметр подбора"));
  }
  if (observations.points.size() < n) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "наблюдений меньше, чем подбираемых параметров"));
  }
  Eigen::VectorXd x(static_cast<Eigen::Index>(n));
  for (size_t k = 0; k < n; ++k) x[static_cast<Eigen::Index>(k)] = model.Parameters()[k].start;
  const WeightedResiduals residuals(model, observations);
  Eigen::VectorXd start(residuals.values());
  residuals(x, start);
  if (!start.allFinite()) {
    return CoreMessageOf(
        GS_TRANSLATE_NOOP("CoreMessages", "модель не вычисляется в начале подбора"));
  }
  const FreeResiduals free(residuals, model);
  Eigen::VectorXd u(x.size());
  for (Eigen::Index k = 0; k < x.size(); ++k) {
    u[k] = ToFree(model.Parameters()[static_cast<size_t>(k)], x[k]);
  }
  Eigen::NumericalDiff<FreeResiduals> differenced(free);
  Eigen::LevenbergMarquardt<Eigen::NumericalDiff<FreeResiduals>> solver(differenced);
  solver.setMaxfev(kMaxEvaluations);
  solver.minimize(u);
  x = free.Bounded(u);
  PhaseFit fit;
  fit.evaluations = static_cast<int>(solver.nfev());
  for (size_t k = 0; k < n; ++k) {
    const FitParameter& p = model.Parameters()[k];
    const Eigen::Index i = static_cast<Eigen::Index>(k);
    x[i] = std::clamp(x[i], p.lowest, p.highest);
    const double range = p.highest - p.lowest;
    const double margin = std::isfinite(range) ? kInside * range : 0.0;
    fit.values.push_back({p.name, x[i], std::numeric_limits<double>::quiet_NaN(),
                          x[i] <= p.lowest + margin || x[i] >= p.highest - margin});
  }
  Eigen::VectorXd r(residuals.values());
  residuals(x, r);
  fit.chiSquare = r.squaredNorm();
  fit.degreesOfFreedom = static_cast<int>(observations.points.size() - n);
  std::vector<double> degrees;
  for (const Observation& point : observations.points) degrees.push_back(point.degrees);
  fit.predicted = model.Predict(std::vector<double>(x.data(), x.data() + x.size()), degrees);
  for (size_t k = 0; k < degrees.size(); ++k) {
    fit.residuals.push_back(observations.points[k].value - fit.predicted[k]);
  }
  if (fit.degreesOfFreedom > 0) {
    const Eigen::MatrixXd j = CentralJacobian(residuals, model, x);
    const Eigen::MatrixXd normal = j.transpose() * j;
    const Eigen::LDLT<Eigen::MatrixXd> factor(normal);
    if (factor.info() == Eigen::Success && factor.isPositive()) {
      const Eigen::MatrixXd covariance =
          factor.solve(Eigen::MatrixXd::Identity(normal.rows(), normal.cols())) *
          (fit.chiSquare / fit.degreesOfFreedom);
      for (size_t k = 0; k < n; ++k) {
        const double variance =
            covariance(static_cast<Eigen::Index>(k), static_cast<Eigen::Index>(k));
        if (variance >= 0.0) fit.values[k].uncertainty = std::sqrt(variance);
      }
    }
  }
  return fit;
}

std::vector<double> FittedParameters(const PhaseFit& fit) {
  std::vector<double> x;
  for (const FittedValue& value : fit.values) x.push_back(value.value);
  return x;
}
