#include "plots/curve_chart.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMarkerSize = 7.0;  // an observed point's dot, in pixels at line width 1
constexpr double kLogSpan = 1e6;     // the automatic logarithmic axis spans six decades at most

struct Span {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Add(double value) {
    if (!std::isfinite(value)) return;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  // A span with some room, never empty.
  void Settle() {
    if (!std::isfinite(low)) low = high = 0.0;
    if (high - low < 1e-12) {
      low -= 0.5;
      high += 0.5;
    }
  }
};

QValueAxis* MakeAxis(const QString& title, Span span, const QLocale& locale, bool reversed) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(span.low, span.high);
  axis->applyNiceNumbers();
  axis->setReverse(reversed);
  // The labels follow the locale's decimal point through the chart's localised numbers.
  Q_UNUSED(locale);
  QFont font = axis->labelsFont();
  font.setPixelSize(12);
  axis->setLabelsFont(font);
  axis->setLabelsVisible(true);
  return axis;
}

// A logarithmic y axis over the points above 0 (or the typed range), whole decades by default.
QLogValueAxis* MakeLogAxis(const CurvePlot& plot) {
  Span positive;
  for (const CurveSeries& curve : plot.series) {
    for (const QPointF& point : curve.points) {
      if (point.y() > 0.0) positive.Add(point.y());
    }
  }
  auto* axis = new QLogValueAxis;
  axis->setTitleText(plot.yTitle);
  axis->setBase(10.0);
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setMinorTickCount(-1);
  if (plot.yTyped) {
    axis->setRange(plot.yTyped->first, plot.yTyped->second);
  } else if (std::isfinite(positive.low)) {
    // At most kLogDecades below the top: a value falling to 0 (the phase curve at 180 degrees)
    // would otherwise squeeze the curves into the top of the plot.
    const double high = std::pow(10.0, std::ceil(std::log10(positive.high)));
    const double low =
        std::max(std::pow(10.0, std::floor(std::log10(positive.low))), high / kLogSpan);
    axis->setRange(low, high > low ? high : low * 10.0);
  } else {
    axis->setRange(0.1, 1.0);
  }
  QFont font = axis->labelsFont();
  font.setPixelSize(12);
  axis->setLabelsFont(font);
  return axis;
}

QFont Scaled(QFont font, double scale) {
  if (font.pixelSize() > 0) {
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
  } else {
    font.setPointSizeF(font.pointSizeF() * scale);
  }
  return font;
}

// Every text of the chart `scale` times its size: the title, the axes' numbers and titles and
// the legend.
void ScaleFonts(QChart& chart, double scale) {
  chart.setTitleFont(Scaled(chart.titleFont(), scale));
  for (QAbstractAxis* axis : chart.axes()) {
    axis->setLabelsFont(Scaled(axis->labelsFont(), scale));
    axis->setTitleFont(Scaled(axis->titleFont(), scale));
  }
  chart.legend()->setFont(Scaled(chart.legend()->font(), scale));
}

void DrawChart(const CurvePlot& plot, QSize size, int magnification, QPainter& painter) {
  QGraphicsScene scene;
  std::unique_ptr<QChart> chart = MakeCurveChart(plot);
  QChart* shown = chart.release();
  scene.addItem(shown);  // the scene owns it from here
  const QRectF laidOut(QPointF(0, 0), QSizeF(size) / magnification);
  shown->resize(laidOut.size());
  scene.setSceneRect(laidOut);
  painter.setRenderHint(QPainter::Antialiasing);
  if (magnification != 1) painter.scale(magnification, magnification);
  scene.render(&painter, laidOut, laidOut);
}

}  // namespace

std::unique_ptr<QChart> MakeCurveChart(const CurvePlot& plot) {
  auto chart = std::make_unique<QChart>();
  chart->setTitle(plot.title);
  chart->setLocalizeNumbers(true);
  chart->setLocale(plot.locale);
  chart->setBackgroundBrush(Qt::white);
  Span xs;
  Span ys;
  for (const CurveSeries& curve : plot.series) {
    for (const QPointF& point : curve.points) {
      xs.Add(point.x());
      ys.Add(point.y());
    }
  }
  xs.Settle();
  ys.Settle();
  QValueAxis* xAxis = MakeAxis(plot.xTitle, xs, plot.locale, false);
  if (plot.xRange) {
    xAxis->setRange(plot.xRange->first, plot.xRange->second);
    if (plot.xTicks > 1) xAxis->setTickCount(plot.xTicks);
    if (!plot.xFormat.isEmpty()) xAxis->setLabelFormat(plot.xFormat);
  }
  if (plot.xTyped) xAxis->setRange(plot.xTyped->first, plot.xTyped->second);
  if (plot.yRange) {
    ys.low = plot.yRange->first;
    ys.high = plot.yRange->second;
    ys.Settle();
  }
  QAbstractAxis* yAxis = nullptr;
  if (plot.yLog) {
    yAxis = MakeLogAxis(plot);
  } else {
    QValueAxis* linear = MakeAxis(plot.yTitle, ys, plot.locale, plot.yReversed);
    if (plot.yTyped) linear->setRange(plot.yTyped->first, plot.yTyped->second);
    yAxis = linear;
  }
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  for (const CurveSeries& curve : plot.series) {
    QXYSeries* series = nullptr;
    if (curve.markers) {
      auto* dots = new QScatterSeries;
      dots->setMarkerSize(kMarkerSize * plot.lineWidth);
      dots->setColor(curve.colour);
      dots->setBorderColor(curve.colour);
      series = dots;
    } else {
      series = new QLineSeries;
      series->setPen(QPen(curve.colour, 2.0 * plot.lineWidth, curve.style));
    }
    series->setName(curve.name);
    for (const QPointF& point : curve.points) {
      if (!std::isfinite(point.x()) || !std::isfinite(point.y())) continue;
      if (plot.yLog && !(point.y() > 0.0)) continue;  // no place on a logarithmic axis
      series->append(point);
    }
    chart->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
    // A series without a name (a reference line) has no entry in the legend.
    if (curve.name.isEmpty()) {
      for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
    }
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  if (plot.fontScale != 1.0) ScaleFonts(*chart, plot.fontScale);
  return chart;
}

QImage CurvePlotImage(const CurvePlot& plot, QSize size, int magnification) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawChart(plot, size, magnification, painter);
  return image;
}

std::optional<QByteArray> CurvePlotSvg(const CurvePlot& plot, QSize size, int magnification) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(plot.title);
  {
    QPainter painter;
    if (!painter.begin(&generator)) return std::nullopt;
    DrawChart(plot, size, magnification, painter);
    if (!painter.end()) return std::nullopt;
  }
  if (bytes.isEmpty()) return std::nullopt;
  return bytes;
}
