#pragma once
// A phase-curve model fitted to observed points by weighted nonlinear least squares
// (Levenberg-Marquardt, Eigen's): the residuals r_i = (model(g_i) - y_i) / sigma_i, sigma 1 for
// a file without sigma. The uncertainties are the square roots of the diagonal of the covariance
// (J^T W J)^-1 times the reduced chi-square, J the model's derivatives by central differences at
// the solution, W = 1/sigma^2; with as many points as parameters there is no chi-square to scale
// by and the uncertainties are not known (NaN).
//
//   observations, PhaseModel -> FitPhaseModel -> values +- uncertainties, residuals

#include <string>
#include <variant>
#include <vector>

#include "curves/observations.h"
#include "curves/phase_model.h"
#include "model/message.h"

struct FittedValue {
  std::string name;
  double value = 0.0;
  double uncertainty = 0.0;
  bool atBound = false;  // held at an end of its range
};

struct PhaseFit {
  std::vector<FittedValue> values;
  std::vector<double> predicted;  // the model at each point's g
  std::vector<double> residuals;  // observed minus predicted, in the data's units
  double chiSquare = 0.0;
  int degreesOfFreedom = 0;
  int evaluations = 0;
};

// A message when there are fewer points than parameters, no parameter, or the model is not
// finite at the start.
std::variant<PhaseFit, Message> FitPhaseModel(const PhaseModel& model,
                                              const ObservationSet& observations);

// The values of a fit as Predict takes them.
std::vector<double> FittedParameters(const PhaseFit& fit);
