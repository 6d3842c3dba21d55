#pragma once
// The marks through one orientation (gradient/isophotes_through.h): each source's isophote in its
// colour, then rings at the crossings of the first two isophotes, white outlined in black so
// that they show on bright and dark parts of the map alike, and larger red ones at the crossings
// a third isophote shares. The isophotes are drawn pixel by pixel as the core found them, a
// logical pixel each and not smoothed, so that they stay as thin and sharp as found; the rings
// are smoothed.

#include <vector>

#include "figure/figure_frame.h"
#include "figure/used_source.h"
#include "gradient/isophotes_through.h"

class QPainter;

// `marks` found for `sources` in the same order.
void DrawIsophoteMarks(QPainter& painter, const FigureFrame& frame,
                       const std::vector<UsedSource>& sources, const IsophotesThrough& marks);
