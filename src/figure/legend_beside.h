#pragma once
// A picture with its legend (level_legend.h) beside it, at the right and never over it: the
// picture's logical width plus a strip as wide as the legend, as tall as the taller of the two,
// the strip white. For a raster the legend is drawn into the pixels; for an SVG or PDF figure the
// raster is widened and the legend drawn as vectors after the picture's own overlay.

#include <QImage>
#include <QLocale>
#include <QSizeF>

#include "figure/level_legend.h"
#include "figure/vector_figure.h"

// The strip's size in logical pixels, margins included.
QSizeF LegendStripSize(const FigureLegend& legend, const QLocale& locale);

// Draws the legend in the strip that starts at logical x `stripLeft`.
void DrawLegendStrip(QPainter& painter, double stripLeft, const FigureLegend& legend,
                     const QLocale& locale);

// `picture` (its device pixel ratio kept) widened by the strip, the legend drawn in it.
QImage WithLegendBeside(const QImage& picture, const FigureLegend& legend, const QLocale& locale);

// The widened raster of a vector figure, and the overlay that draws `overlay` over the picture and
// then the legend in the strip.
struct LegendFigure {
  QImage raster;
  OverlayPainter overlay;
};
LegendFigure LegendFigureBeside(const QImage& raster, OverlayPainter overlay, FigureLegend legend,
                                QLocale locale);
