#include "plots/curve_plots.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "intake/law_texts.h"

namespace {

constexpr const char* kContext = "CurvePlots";

QString Text(const char* source) { return QCoreApplication::translate(kContext, source); }

double Magnitude(double brightness) { return -2.5 * std::log10(brightness); }

// The magnitudes the curves reach up to g = kMagnitudeRangeEnd: towards 180 degrees Phi falls to
// 0 and its magnitude grows without bound, which would squeeze the useful part into a sliver.
std::pair<double, double> MagnitudeRange(const std::vector<CurveSeries>& series) {
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (const CurveSeries& curve : series) {
    for (const QPointF& point : curve.points) {
      if (point.x() > kMagnitudeRangeEnd || !std::isfinite(point.y())) continue;
      low = std::min(low, point.y());
      high = std::max(high, point.y());
    }
  }
  return {low, high};
}

CurveSeries Series(const QString& name, const std::vector<double>& degrees,
                   double (*valueAt)(double g, const std::vector<double>& own, size_t k),
                   const std::vector<double>& own, bool magnitudes, QColor colour,
                   Qt::PenStyle style) {
  CurveSeries series{name, {}, colour, style};
  for (size_t k = 0; k < degrees.size(); ++k) {
    const double value = valueAt(degrees[k] * std::numbers::pi / 180.0, own, k);
    series.points.emplace_back(degrees[k], magnitudes ? Magnitude(value) : value);
  }
  return series;
}

}  // namespace

QString PlottedFunctionName(int32_t kind) {
  return QCoreApplication::translate("CoreTexts", FunctionDisplayName(kind).c_str());
}

CurvePlot PhaseCurvePlot(const PhaseCurve& curve, int32_t kind, bool magnitudes) {
  CurvePlot plot;
  plot.title =
      Text(QT_TRANSLATE_NOOP("CurvePlots", "Фазовая кривая: %1")).arg(PlottedFunctionName(kind));
  plot.xTitle = Text(QT_TRANSLATE_NOOP("CurvePlots", "g, градусов"));
  plot.yTitle =
      magnitudes ? Text(QT_TRANSLATE_NOOP("CurvePlots", "−2,5·lg Φ(g)")) : QStringLiteral("Φ(g)");
  plot.yReversed = magnitudes;
  // The whole range in steps of 30 degrees; a close look at the surge in steps of its fifth.
  const double last = curve.degrees.empty() ? 180.0 : curve.degrees.back();
  plot.xRange = {0.0, last};
  plot.xTicks = last == 180.0 ? 7 : 6;
  plot.xFormat = QStringLiteral("%.0f");
  const auto own = [](double, const std::vector<double>& values, size_t k) { return values[k]; };
  const auto lambert = [](double g, const std::vector<double>&, size_t) {
    return LambertSpherePhase(g);
  };
  const auto lommel = [](double g, const std::vector<double>&, size_t) {
    return LommelSeeligerSpherePhase(g);
  };
  plot.series = {Series(PlottedFunctionName(kind), curve.degrees, own, curve.brightness, magnitudes,
                        QColor(20, 60, 160), Qt::SolidLine),
                 Series(Text(QT_TRANSLATE_NOOP("CurvePlots", "сфера Ламберта")), curve.degrees,
                        lambert, {}, magnitudes, QColor(120, 120, 120), Qt::DashLine),
                 Series(Text(QT_TRANSLATE_NOOP("CurvePlots", "сфера Ломмеля — Зелигера")),
                        curve.degrees, lommel, {}, magnitudes, QColor(200, 120, 0), Qt::DashLine)};
  if (magnitudes) plot.yRange = MagnitudeRange(plot.series);
  return plot;
}

QColor ComparedColour(size_t k) {
  static const QColor kColours[] = {QColor(20, 60, 160),  QColor(200, 40, 40), QColor(0, 140, 60),
                                    QColor(150, 60, 180), QColor(0, 150, 170), QColor(120, 90, 0)};
  return kColours[k % std::size(kColours)];
}

CurvePlot PhaseCurvesPlot(const std::vector<PhaseCurve>& curves, const std::vector<QString>& labels,
                          int32_t kind, bool magnitudes) {
  if (curves.empty()) return CurvePlot{};
  CurvePlot plot = PhaseCurvePlot(curves.front(), kind, magnitudes);
  plot.title =
      Text(QT_TRANSLATE_NOOP("CurvePlots", "Фазовые кривые: %1")).arg(PlottedFunctionName(kind));
  const CurveSeries own = plot.series.front();
  plot.series.erase(plot.series.begin());
  for (size_t k = 0; k < curves.size(); ++k) {
    CurveSeries series = own;
    series.name = k < labels.size() ? labels[k] : QString();
    series.colour = ComparedColour(k);
    series.points.clear();
    for (size_t n = 0; n < curves[k].degrees.size(); ++n) {
      const double value = curves[k].brightness[n];
      series.points.emplace_back(curves[k].degrees[n], magnitudes ? Magnitude(value) : value);
    }
    plot.series.insert(plot.series.begin() + static_cast<std::ptrdiff_t>(k), series);
  }
  if (magnitudes) plot.yRange = MagnitudeRange(plot.series);
  return plot;
}

CurvePlot ProfilePlot(const std::vector<ProfileSample>& samples) {
  CurvePlot plot;
  plot.title = Text(QT_TRANSLATE_NOOP("CurvePlots", "Профиль"));
  plot.xTitle = Text(QT_TRANSLATE_NOOP("CurvePlots", "расстояние, пикселей"));
  plot.yTitle = Text(QT_TRANSLATE_NOOP("CurvePlots", "ф"));
  CurveSeries phi{plot.yTitle, {}, QColor(20, 60, 160)};
  CurveSeries painted{
      Text(QT_TRANSLATE_NOOP("CurvePlots", "ф рисунка")), {}, QColor(200, 120, 0), Qt::DashLine};
  std::vector<CurveSeries> others;
  for (const ProfileSample& sample : samples) {
    if (!sample.readout) continue;
    phi.points.emplace_back(sample.distance, sample.readout->reading.functionPhi);
    painted.points.emplace_back(sample.distance, sample.readout->reading.phi);
    for (size_t k = 0; k < sample.otherPhis.size(); ++k) {
      if (others.size() <= k) {
        others.push_back({Text(QT_TRANSLATE_NOOP("CurvePlots", "ф%1")).arg(k + 2),
                          {},
                          k == 0 ? QColor(0, 160, 160) : QColor(200, 0, 200)});
      }
      others[k].points.emplace_back(sample.distance, sample.otherPhis[k]);
    }
  }
  plot.series = {phi, painted};
  plot.series.insert(plot.series.end(), others.begin(), others.end());
  return plot;
}

CurvePlot EquatorProfilePlot(const std::vector<ProfileSample>& samples) {
  CurvePlot plot = ProfilePlot(samples);
  plot.xTitle = Text(QT_TRANSLATE_NOOP("CurvePlots", "e, градусов (к источнику — плюс)"));
  const bool withinLimb = std::all_of(samples.begin(), samples.end(), [](const ProfileSample& s) {
    return std::fabs(s.distance) <= 90.0;
  });
  if (withinLimb) {
    plot.xRange = {-90.0, 90.0};
    plot.xTicks = 7;
    plot.xFormat = QStringLiteral("%.0f");
  }
  return plot;
}

QString ComparedCurvesTitle(bool phaseCurves) {
  return phaseCurves ? Text(QT_TRANSLATE_NOOP("CurvePlots", "Фазовые кривые"))
                     : Text(QT_TRANSLATE_NOOP("CurvePlots", "Профили"));
}
