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
  Eigen::NumericalDiff<WeightedResiduals> differenced(residuals);
  Eigen::LevenbergMarquardt<Eigen::NumericalDiff<WeightedResiduals>> solver(differenced);
  solver.setMaxfev(kMaxEvaluations);
  solver.minimize(x);
  PhaseFit fit;
  fit.evaluations = static_cast<int>(solver.nfev());
  for (size_t k = 0; k < n; ++k) {
    const FitParameter& p = model.Parameters()[k];
    const Eigen::Index i = static_cast<Eigen::Index>(k);
    x[i] = std::clamp(x[i], p.lowest, p.highest);
    fit.values.push_back({p.name, x[i], std::numeric_limits<double>::quiet_NaN(),
                          x[i] <= p.lowest || x[i] >= p.highest});
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
