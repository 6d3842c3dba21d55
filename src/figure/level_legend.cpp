#include "figure/level_legend.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "figure/figure_frame.h"
#include "model/legend_colours.h"

namespace {

constexpr const char* kContext = "FigureLegend";
constexpr int kLegendDigits = 7;  // a 32-bit float's, as the legend panel writes its numbers
constexpr double kSwatchSide = 12.0;
constexpr double kSwatchGap = 6.0;  // between a swatch and its text
constexpr double kRowGap = 4.0;

QColor ColourOfBgr(uint32_t bgr) {
  return {static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
          static_cast<int>((bgr >> 16) & 0xFFU)};
}

QString Title() {
  return QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("FigureLegend", "Уровни φ"));
}

double RowHeight(const QFontMetricsF& metrics) {
  return std::max(kSwatchSide, metrics.height()) + kRowGap;
}

}  // namespace

FigureLegend FigureLegendOf(const RenderState& state, const QLocale& locale) {
  FigureLegend legend;
  // The plain grey tone's half-widths are negative: no phi falls in a band.
  const bool banded = std::any_of(state.isoHalfWidth.begin(), state.isoHalfWidth.end(),
                                  [](float halfWidth) { return halfWidth >= 0.0F; });
  const bool colourIsolines = state.showIsolines == 1;
  if (banded) {
    LevelLegendRows rows;
    for (int row = 0; row < kIsoBandCount; ++row) {
      rows[row] = {
          colourIsolines ? ColourOfBgr(kSwatchColours[row]) : QColor(Qt::white),
          locale.toString(static_cast<double>(state.isoLevel[row]), 'g', kLegendDigits),
          locale.toString(static_cast<double>(state.isoHalfWidth[row]), 'g', kLegendDigits)};
    }
    legend.levels = rows;
  }
  // The tone shows as grey unless tinted bands colour it.
  if (!colourIsolines || state.bandsAsLines == 1 || !banded) legend.toneExposure = state.exposure;
  return legend;
}

QString LevelRowText(const LevelLegendRow& row) {
  return row.level + QStringLiteral(" ± ") + row.halfWidth;
}

QSizeF LevelLegendSize(const LevelLegendRows& rows) {
  const QFontMetricsF metrics(StandaloneFigureFont());
  double width = metrics.horizontalAdvance(Title());
  for (const LevelLegendRow& row : rows) {
    width =
        std::max(width, kSwatchSide + kSwatchGap + metrics.horizontalAdvance(LevelRowText(row)));
  }
  return {std::ceil(width), std::ceil(RowHeight(metrics) * (kIsoBandCount + 1))};
}

void DrawLevelLegend(QPainter& painter, QPointF topLeft, const LevelLegendRows& rows) {
  painter.save();
  painter.setFont(StandaloneFigureFont());
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double rowHeight = RowHeight(metrics);
  painter.setPen(Qt::black);
  painter.drawText(topLeft + QPointF(0.0, metrics.ascent()), Title());
  for (int row = 0; row < kIsoBandCount; ++row) {
    const double top = topLeft.y() + rowHeight * (row + 1);
    const QRectF swatch(topLeft.x(), top, kSwatchSide, kSwatchSide);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(rows[row].colour);
    painter.drawRect(swatch);
    const double baseline = top + (kSwatchSide + metrics.ascent() - metrics.descent()) / 2.0;
    painter.drawText(QPointF(swatch.right() + kSwatchGap, baseline), LevelRowText(rows[row]));
  }
  painter.restore();
}
