#pragma once
// Observed points of a phase curve with a model through them: the points as dots (with the
// observed quantity on the y axis: the disc's brightness p Phi(g), or the reduced magnitude
// growing downwards), the model's curve (the chosen law on its physical scale, or a fitted law or
// magnitude system), and the residuals, observed minus model, against g. Texts in the
// application's language (context "CurvePlots").

#include <cstdint>
#include <vector>

#include "curves/observations.h"
#include "curves/phase_model.h"
#include "plots/curve_chart.h"

// The model's curve in the plot: g from 0 to 180 degrees for a law and to 150 for a magnitude
// system (where its basis is defined), a degree apart, at the values `x`.
struct ModelCurve {
  std::vector<double> degrees;
  std::vector<double> values;
};
ModelCurve ModelCurveOf(const PhaseModel& model, const std::vector<double>& x);

// `modelName`: the law's name, or "H, G", "H, G1, G2".
CurvePlot ObservedPhasePlot(const ObservationSet& observations, const ModelCurve& curve,
                            const QString& modelName, bool fitted);

CurvePlot ResidualPlot(const ObservationSet& observations, const std::vector<double>& residuals);

// The model's name as the plot and the window show it.
QString ModelName(const PhaseModel& model, int32_t kind);
