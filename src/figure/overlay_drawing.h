#pragma once
// The drawing of the overlays src/overlay places: contour lines in their legend swatch's colour,
// the disc's outline in a colour that stands out from the background, and a sun mark at the light
// source's point on the sphere. Over any QPaintDevice whose pixel ratio is `ratio`; the core's
// positions are device pixels, drawn at logical positions. Lines are `lineWidth` logical pixels
// wide (the outline and the sun's rim too), so that they grow with the picture's scale.

#include <QColor>

#include "model/picture.h"
#include "overlay/overlay_marks.h"

class QPainter;

// The colour of level k's contour line: the legend swatch of row k.
QColor ContourColour(size_t level);

// Black on a light background, white on a dark one.
QColor OutlineColour(Rgb background);

void DrawContourLines(QPainter& painter, int ratio, const LevelContours& contours, int lineWidth);

// The contours, then the outline over them, then the sun mark on top.
void DrawSphereOverlay(QPainter& painter, int ratio, const SphereOverlay& overlay, int lineWidth,
                       Rgb background);
