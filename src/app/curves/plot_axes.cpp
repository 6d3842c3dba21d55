#include "app/curves/plot_axes.h"

#include <QCoreApplication>
#include <cmath>

#include "app/common/locale_numbers.h"
#include "intake/number_text.h"

namespace {

QString Text(const char* source) { return QCoreApplication::translate("PlotAxes", source); }

// One axis's pair of boxes: both empty (automatic), or two numbers, the first below the second.
std::variant<std::optional<std::pair<double, double>>, QString> ReadPair(const QString& low,
                                                                         const QString& high,
                                                                         const QString& axis) {
  const bool lowEmpty = low.trimmed().isEmpty();
  const bool highEmpty = high.trimmed().isEmpty();
  if (lowEmpty && highEmpty) return std::optional<std::pair<double, double>>();
  if (lowEmpty || highEmpty) {
    return Text(QT_TRANSLATE_NOOP("PlotAxes",
                                  "по оси %1 нужны и минимум, и максимум "
                                  "(или ни того, ни другого — диапазон сам)"))
        .arg(axis);
  }
  double values[2] = {0.0, 0.0};
  const QString* texts[2] = {&low, &high};
  for (int k = 0; k < 2; ++k) {
    const NumberReading<double> read = ReadDouble(texts[k]->toStdString(), UserNumberFormat());
    if (!read.Ok() || !std::isfinite(read.value)) {
      return Text(QT_TRANSLATE_NOOP("PlotAxes", "«%1» по оси %2 — не число")).arg(*texts[k], axis);
    }
    values[k] = read.value;
  }
  if (!(values[0] < values[1])) {
    return Text(QT_TRANSLATE_NOOP("PlotAxes", "минимум по оси %1 должен быть меньше максимума"))
        .arg(axis);
  }
  return std::optional<std::pair<double, double>>(std::pair(values[0], values[1]));
}

}  // namespace

std::optional<QString> LogRefusal(const CurvePlot& plot) {
  if (plot.yReversed) {
    return Text(QT_TRANSLATE_NOOP("PlotAxes",
                                  "звёздные величины — уже логарифм яркости; "
                                  "логарифмическая шкала нужна только для яркости"));
  }
  bool positive = false;
  for (const CurveSeries& curve : plot.series) {
    for (const QPointF& point : curve.points) {
      if (point.y() < 0.0) {
        return Text(QT_TRANSLATE_NOOP("PlotAxes",
                                      "на графике есть значения меньше нуля: у них нет логарифма"));
      }
      positive = positive || point.y() > 0.0;
    }
  }
  if (!positive) {
    return Text(QT_TRANSLATE_NOOP("PlotAxes", "на графике нет значений больше нуля"));
  }
  return std::nullopt;
}

std::variant<AxisRanges, QString> ReadAxisRanges(const AxisTexts& texts, const CurvePlot& plot) {
  AxisRanges ranges;
  auto x = ReadPair(texts.xMin, texts.xMax, QStringLiteral("x"));
  if (auto* reason = std::get_if<QString>(&x)) return *reason;
  auto y = ReadPair(texts.yMin, texts.yMax, QStringLiteral("y"));
  if (auto* reason = std::get_if<QString>(&y)) return *reason;
  ranges.x = std::get<0>(x);
  ranges.y = std::get<0>(y);
  ranges.logY = texts.logY;
  if (ranges.logY) {
    if (const std::optional<QString> refusal = LogRefusal(plot)) {
      return Text(QT_TRANSLATE_NOOP("PlotAxes", "логарифмическая шкала по y невозможна: %1"))
          .arg(*refusal);
    }
    if (ranges.y && ranges.y->first <= 0.0) {
      return Text(QT_TRANSLATE_NOOP(
          "PlotAxes", "на логарифмической шкале минимум по y должен быть больше нуля"));
    }
  }
  return ranges;
}

CurvePlot ShapedByRanges(CurvePlot plot, const AxisRanges& ranges) {
  plot.xTyped = ranges.x;
  plot.yTyped = ranges.y;
  plot.yLog = ranges.logY && !LogRefusal(plot);
  if (ranges.logY && !plot.yLog) plot.yTyped.reset();  // a log range means nothing on a linear axis
  return plot;
}
