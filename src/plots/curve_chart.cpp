#include "plots/curve_chart.h"

#include <QBuffer>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
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
  if (plot.yRange) {
    ys.low = plot.yRange->first;
    ys.high = plot.yRange->second;
    ys.Settle();
  }
  QValueAxis* yAxis = MakeAxis(plot.yTitle, ys, plot.locale, plot.yReversed);
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
      if (std::isfinite(point.x()) && std::isfinite(point.y())) series->append(point);
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
