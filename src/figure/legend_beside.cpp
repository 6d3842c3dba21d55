#include "figure/legend_beside.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "figure/colour_bar.h"

namespace {

constexpr double kMargin = 10.0;    // around the legend, logical pixels
constexpr double kPartsGap = 16.0;  // between the levels and the tone's bar

// The widened picture's device size; the strip starts at `picture`'s logical width.
QImage WidenedBlank(const QImage& picture, const QSizeF& strip) {
  const double ratio = picture.devicePixelRatio();
  const int width = picture.width() + static_cast<int>(std::ceil(strip.width() * ratio));
  const int height =
      std::max(picture.height(), static_cast<int>(std::ceil(strip.height() * ratio)));
  QImage widened(width, height, QImage::Format_RGB32);
  widened.setDevicePixelRatio(ratio);
  widened.setDotsPerMeterX(picture.dotsPerMeterX());
  widened.setDotsPerMeterY(picture.dotsPerMeterY());
  widened.fill(Qt::white);
  return widened;
}

}  // namespace

QSizeF LegendStripSize(const FigureLegend& legend, const QLocale& locale) {
  double width = 0.0;
  double height = 0.0;
  if (legend.levels) {
    const QSizeF levels = LevelLegendSize(*legend.levels);
    width = levels.width();
    height = levels.height();
  }
  if (legend.toneExposure) {
    const QSizeF bar = ToneBarSize(*legend.toneExposure, locale);
    width = std::max(width, bar.width());
    height += (legend.levels ? kPartsGap : 0.0) + bar.height();
  }
  return {width + 2 * kMargin, height + 2 * kMargin};
}

void DrawLegendStrip(QPainter& painter, double stripLeft, const FigureLegend& legend,
                     const QLocale& locale) {
  QPointF at(stripLeft + kMargin, kMargin);
  if (legend.levels) {
    DrawLevelLegend(painter, at, *legend.levels);
    at.ry() += LevelLegendSize(*legend.levels).height() + kPartsGap;
  }
  if (legend.toneExposure) DrawToneBar(painter, at, *legend.toneExposure, locale);
}

QImage WithLegendBeside(const QImage& picture, const FigureLegend& legend, const QLocale& locale) {
  QImage widened = WidenedBlank(picture, LegendStripSize(legend, locale));
  QPainter painter(&widened);
  painter.drawImage(QPointF(0, 0), picture);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawLegendStrip(painter, picture.deviceIndependentSize().width(), legend, locale);
  return widened;
}

LegendFigure LegendFigureBeside(const QImage& raster, OverlayPainter overlay, FigureLegend legend,
                                QLocale locale) {
  QImage widened = WidenedBlank(raster, LegendStripSize(legend, locale));
  {
    QPainter painter(&widened);
    painter.drawImage(QPointF(0, 0), raster);
  }
  const double stripLeft = raster.deviceIndependentSize().width();
  return {std::move(widened), [overlay = std::move(overlay), legend = std::move(legend),
                               locale = std::move(locale), stripLeft](QPainter& painter) {
            if (overlay) overlay(painter);
            DrawLegendStrip(painter, stripLeft, legend, locale);
          }};
}
