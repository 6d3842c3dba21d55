#pragma once
// The marks of the map's figure that follow from the sources alone, each in its source's colour:
// the shadow line cos i = 0, dashed, and a ring with a dot at the source's point S. Smoothed
// (antialiased): thin slanting lines and small rings would show their steps otherwise.

#include <vector>

#include "figure/figure_frame.h"
#include "figure/used_source.h"

class QPainter;

// Every source's shadow line, then every source's ring, so that no line crosses a ring.
void DrawSourceMarks(QPainter& painter, const FigureFrame& frame,
                     const std::vector<UsedSource>& sources);

// A ring of `radius` logical pixels about `centre`, in `colour` with an outline in
// `outline` either side when it is not transparent; nothing when it lies wholly outside the
// picture.
void DrawRing(QPainter& painter, const FigureFrame& frame, QPointF centre, double radius,
              const QColor& colour, const QColor& outline);
