#pragma once
// The legend of the seven isoline levels drawn beside an exported picture, as the window's legend
// panel shows it: a title, then a row a level, top row first, each with its swatch (the isoline
// colour, or white when the isolines are grey) and "level ± half-width" in seven digits, the
// panel's way of writing a number. With it, for a picture whose tone is grey (grey isolines or
// contour lines over the tone), the grey tone's bar (colour_bar.h).

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>

#include "model/render_state.h"

class QPainter;

struct LevelLegendRow {
  QColor colour;
  QString level;
  QString halfWidth;
};
using LevelLegendRows = std::array<LevelLegendRow, kIsoBandCount>;

struct FigureLegend {
  std::optional<LevelLegendRows> levels;  // none for the plain grey tone, which has no bands
  std::optional<double> toneExposure;     // the grey tone's bar under this exposure, or none
};

// The legend of a picture painted from `state`, its numbers in `locale`.
FigureLegend FigureLegendOf(const RenderState& state, const QLocale& locale);

// "0.9 ± 0.005"
QString LevelRowText(const LevelLegendRow& row);

// The room the levels take in logical pixels, and their drawing from `topLeft`, in the figure's
// standalone font.
QSizeF LevelLegendSize(const LevelLegendRows& rows);
void DrawLevelLegend(QPainter& painter, QPointF topLeft, const LevelLegendRows& rows);
