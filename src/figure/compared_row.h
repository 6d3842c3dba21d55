#pragma once
// Laws side by side: spheres of one size in a grid of up to `columns` a row, each with its
// caption (the law and its parameters) under it, on white. One figure for the window's
// «Сравнить законы» and the renderer's --compare, written as a raster or, with the captions kept
// as text, as SVG or PDF.

#include <QImage>
#include <QSize>
#include <QStringList>
#include <vector>

class QFont;
class QPainter;

inline constexpr int kComparedCaptionHeight = 22;  // logical pixels under each sphere

// The figure's logical size for `count` spheres of `sphere` logical pixels.
QSize ComparedRowSize(QSize sphere, int count, int columns);

// Where sphere k's picture lies in the figure.
QPoint ComparedSpherePlace(QSize sphere, int k, int columns);

// The captions over a figure whose spheres are already drawn (the vector files' overlay).
void PaintComparedCaptions(QPainter& painter, QSize sphere, const QStringList& captions,
                           int columns, const QFont& font);

// The whole figure as a raster at the spheres' pixel ratio: spheres and captions.
QImage ComparedRowImage(const std::vector<QImage>& spheres, const QStringList& captions,
                        int columns, const QFont& font);

// The spheres alone at their places on white, the raster of a vector file.
QImage ComparedRowRaster(const std::vector<QImage>& spheres, int columns);
