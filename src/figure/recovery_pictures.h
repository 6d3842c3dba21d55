#pragma once
// The pictures of a recovered shape, one pixel a cell (row 0 the top row):
// - the common RGB normal map: N = (-p, -q, 1) / |.|, each component from [-1, 1] to 0..255;
// - the albedo in grey, 0 black and 1 white (stretched so that the largest is white when some
//   exceed 1, as a photograph's relative albedo may);
// - the angular error of each normal on a colour scale from dark blue (0) through cyan, green
//   and yellow to red (the scale's top and above), with a bar that labels it;
// - needles: the normal's projection drawn from the centre of every few cells over an image.
// Cells with nothing recovered are black in the maps and grey in the error map.

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QRect>
#include <optional>
#include <vector>

#include "recovery/colour_albedo.h"
#include "recovery/recovered_normals.h"

class QPainter;

inline constexpr QColor kNoErrorColour(128, 128, 128);

QImage NormalMapImage(const RecoveredNormals& normals);
QImage AlbedoImage(const RecoveredNormals& normals);
// The colour albedo (recovery/colour_albedo.h) in RGB, every channel over the largest value of
// any (or 1, as AlbedoImage), so that the colours keep their ratios; NaN black.
QImage ColourAlbedoImage(const ColourAlbedoChannels& albedo, int width, int height);

// The colour of an error `share` of the scale's top (clamped to [0, 1]).
QColor ErrorColour(double share);
// A round top for the scale: the smallest of 1, 2, 5 times a power of ten at or above the 95th
// percentile of the finite errors, at least 0.1 degrees.
double ErrorScaleTop(const std::vector<double>& degrees);
QImage AngleErrorImage(const std::vector<double>& degrees, int width, int height, double top);
// A vertical bar in `area`, top colour above, with 0, half and the top labelled in degrees.
void DrawErrorScale(QPainter& painter, const QRect& area, double top, const QLocale& locale);
// The scale's top: `fixed` degrees when given, else ErrorScaleTop's round top of the errors.
double ChosenErrorScaleTop(const std::optional<double>& fixed, const std::vector<double>& degrees);
// The error map as a figure to save: each cell a square of whole pixels (the map at least
// kErrorFigureSide pixels on its longer side), its colour bar with the top beside it on white.
inline constexpr int kErrorFigureSide = 192;
QImage ErrorMapFigure(const std::vector<double>& degrees, int width, int height, double top,
                      const QLocale& locale);

// Needles over a picture that shows each cell as `zoom` x `zoom` logical pixels: from the centre
// of every `step`-th cell, the normal's (-p, -q) tilt, step * zoom * 0.9 long for a normal
// lying in the image plane (y upwards on the grid is up on the picture).
void DrawNeedles(QPainter& painter, const RecoveredNormals& normals, int zoom, int step);
