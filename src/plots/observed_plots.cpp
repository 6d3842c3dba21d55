#include "plots/observed_plots.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "plots/curve_plots.h"

namespace {

constexpr const char* kContext = "CurvePlots";
constexpr double kLawEnd = 180.0;
constexpr double kSystemEnd = 150.0;
constexpr double kMagnitudeMargin = 20.0;  // degrees

QString Text(const char* source) { return QCoreApplication::translate(kContext, source); }

QString QuantityTitle(ObservedQuantity quantity) {
  return quantity == ObservedQuantity::kMagnitude
             ? Text(QT_TRANSLATE_NOOP("CurvePlots", "V(1, 1, g), зв. вел."))
             : QStringLiteral("p·Φ(g)");
}

CurveSeries Dots(const QString& name, const ObservationSet& observations,
                 const std::vector<double>& values) {
  CurveSeries dots{name, {}, QColor(200, 40, 40)};
  dots.markers = true;
  for (size_t k = 0; k < observations.points.size() && k < values.size(); ++k) {
    dots.points.emplace_back(observations.points[k].degrees, values[k]);
  }
  return dots;
}

void PlaceAxisX(CurvePlot& plot) {
  plot.xTitle = Text(QT_TRANSLATE_NOOP("CurvePlots", "g, градусов"));
  plot.xRange = {0.0, 180.0};
  plot.xTicks = 7;
  plot.xFormat = QStringLiteral("%.0f");
}

}  // namespace

ModelCurve ModelCurveOf(const PhaseModel& model, const std::vector<double>& x) {
  ModelCurve curve;
  const double end = model.System() == PhaseSystem::kLaw ? kLawEnd : kSystemEnd;
  for (double g = 0.0; g <= end; g += 1.0) curve.degrees.push_back(g);
  curve.values = model.Predict(x, curve.degrees);
  return curve;
}

CurvePlot ObservedPhasePlot(const ObservationSet& observations, const ModelCurve& curve,
                            const QString& modelName, bool fitted) {
  CurvePlot plot;
  plot.title =
      (fitted ? Text(QT_TRANSLATE_NOOP("CurvePlots", "Наблюдения и подобранная модель: %1"))
              : Text(QT_TRANSLATE_NOOP("CurvePlots", "Наблюдения и модель: %1")))
          .arg(modelName);
  PlaceAxisX(plot);
  plot.yTitle = QuantityTitle(observations.quantity);
  plot.yReversed = observations.quantity == ObservedQuantity::kMagnitude;
  std::vector<double> observed;
  for (const Observation& point : observations.points) observed.push_back(point.value);
  CurveSeries model{modelName, {}, QColor(20, 60, 160)};
  for (size_t k = 0; k < curve.degrees.size() && k < curve.values.size(); ++k) {
    model.points.emplace_back(curve.degrees[k], curve.values[k]);
  }
  plot.series = {model,
                 Dots(Text(QT_TRANSLATE_NOOP("CurvePlots", "наблюдения")), observations, observed)};
  if (plot.yReversed) {
    // The magnitudes of the points and of the model a little beyond the last point: the model
    // runs off to +inf towards g = 180.
    double low = observed.front();
    double high = low;
    double last = 0.0;
    for (const Observation& point : observations.points) {
      low = std::min(low, point.value);
      high = std::max(high, point.value);
      last = std::max(last, point.degrees);
    }
    const double end = std::min(kSystemEnd, last + kMagnitudeMargin);
    for (size_t k = 0; k < curve.degrees.size(); ++k) {
      if (curve.degrees[k] > end || !std::isfinite(curve.values[k])) continue;
      low = std::min(low, curve.values[k]);
      high = std::max(high, curve.values[k]);
    }
    plot.yRange = {low, high};
  }
  return plot;
}

CurvePlot ResidualPlot(const ObservationSet& observations, const std::vector<double>& residuals) {
  CurvePlot plot;
  plot.title = Text(QT_TRANSLATE_NOOP("CurvePlots", "Невязки: наблюдение минус модель"));
  PlaceAxisX(plot);
  plot.yTitle = QuantityTitle(observations.quantity);
  CurveSeries zero{QString(), {{0.0, 0.0}, {180.0, 0.0}}, QColor(120, 120, 120), Qt::DashLine};
  plot.series = {zero,
                 Dots(Text(QT_TRANSLATE_NOOP("CurvePlots", "невязки")), observations, residuals)};
  return plot;
}

QString ModelName(const PhaseModel& model, int32_t kind) {
  switch (model.System()) {
    case PhaseSystem::kHg:
      return QStringLiteral("H, G");
    case PhaseSystem::kHg1g2:
      return QStringLiteral("H, G₁, G₂");
    default:
      return PlottedFunctionName(kind);
  }
}
