#pragma once
// The marks that link a surface's image with the map and the sphere: where the pointer rests on
// the image, a cross at that cell's (p, q) on the map and a ring where its normal lies on the
// sphere; where it rests on the map, the image's cells of that map pixel washed over in a
// translucent colour and the pre-image of source 1's isophote drawn as a line. Positions are the
// core's device pixels, drawn at logical positions on a device of pixel ratio `ratio`.

#include <QColor>
#include <cstdint>
#include <vector>

#include "overlay/marching_squares.h"

class QPainter;

inline constexpr QColor kLinkedMarkColour(255, 100, 0);
inline constexpr QColor kLinkedCellsColour(255, 100, 0, 150);

// A cross at `point` on the map.
void DrawGradientCross(QPainter& painter, int ratio, PixelPoint point, int lineWidth);

// A small ring at `point` on the sphere.
void DrawNormalRing(QPainter& painter, int ratio, PixelPoint point, int lineWidth);

// Washes over the cells flagged in `cells` (width x height, row 0 the top row), one device pixel
// a cell.
void DrawLinkedCells(QPainter& painter, int ratio, const std::vector<uint8_t>& cells, int width,
                     int height);

// The pre-image of an isophote, in `colour` over a thin dark edge.
void DrawPreImage(QPainter& painter, int ratio, const std::vector<ContourLine>& lines,
                  const QColor& colour, int lineWidth);
