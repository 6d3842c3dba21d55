#pragma once
// The hatch over the part of the map every source lights (gradient/lit_by_all.h): light
// diagonal lines, up to the right, which leave the map readable between them. Not smoothed: a
// smoothed line a pixel wide greys two pixels of the map where a sharp one covers one.

#include <vector>

#include "figure/figure_frame.h"
#include "figure/used_source.h"

class QPainter;

void DrawLitByAllHatch(QPainter& painter, const FigureFrame& frame,
                       const std::vector<UsedSource>& sources);
