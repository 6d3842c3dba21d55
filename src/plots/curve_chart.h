#pragma once
// Curves as real plots (Qt Charts): a chart of one or more series against numbered axes, with a
// legend, for the window's plot windows and the renderer's plotted files alike; and the chart
// drawn into an image or an SVG of a given size.
//
//   CurvePlot (series, titles, locale) -> QChart -> QImage (PNG) or SVG bytes

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLocale>
#include <QPointF>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QChart;

struct CurveSeries {
  QString name;
  std::vector<QPointF> points;
  QColor colour;
  Qt::PenStyle style = Qt::SolidLine;
  bool markers = false;  // points drawn as dots, unjoined (observations)
};

struct CurvePlot {
  QString title;
  QString xTitle;
  QString yTitle;
  std::vector<CurveSeries> series;
  QLocale locale;          // the axes' number format
  bool yReversed = false;  // magnitudes grow downwards
  // A fixed x range with `xTicks` ticks and printf's label format (the phase angle's 0 to 180 in
  // steps of 30); by default the points' range, rounded to nice numbers.
  std::optional<std::pair<double, double>> xRange;
  int xTicks = 0;
  QString xFormat;
  // A fixed y range, rounded to nice numbers; by default the points' range.
  std::optional<std::pair<double, double>> yRange;
  double lineWidth = 1.0;  // the curves' pens are 2 * lineWidth pixels wide
  // Shaped in a plot window: the texts' fonts this many times their size; typed ranges shown
  // exactly as typed (over xRange and yRange); a logarithmic y axis (the points above 0 drawn).
  double fontScale = 1.0;
  std::optional<std::pair<double, double>> xTyped;
  std::optional<std::pair<double, double>> yTyped;
  bool yLog = false;
};

inline constexpr QSize kPlotFileSize(760, 460);

// The chart of `plot`, its axes spanning the series' points.
std::unique_ptr<QChart> MakeCurveChart(const CurvePlot& plot);

// The plot in `size` pixels, laid out at size / magnification and drawn magnified (fonts, lines
// and margins `magnification` times as large): an RGB image, or the bytes of an SVG (nothing when
// it could not be encoded). Needs a QApplication (Qt Charts draws through the graphics view).
QImage CurvePlotImage(const CurvePlot& plot, QSize size = kPlotFileSize, int magnification = 1);
std::optional<QByteArray> CurvePlotSvg(const CurvePlot& plot, QSize size = kPlotFileSize,
                                       int magnification = 1);
