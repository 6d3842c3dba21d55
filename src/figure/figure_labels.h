#pragma once
// The axes and text of the map as a figure, drawn with QPainter over the map in the frame's font
// and number format: the axes through the origin with a tick at every step, the ticks' numbers,
// the letters p and q, the label «S» (or «S₂», «S₃») beside each source's point and the
// conventions «N = (−p, −q, 1)» in the lower-left corner. The axes are not smoothed: they lie
// on whole pixels. Each text sits on a small
// translucent box clear of the axes; a number that would overlap a text already placed is left
// out. Nothing is drawn outside the picture.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "figure/figure_frame.h"
#include "figure/used_source.h"

class QPainter;

// Where the origin p = q = 0 lies, logical pixels.
QPointF FigureOrigin(const FigureFrame& frame);

// A source's point S, logical pixels, and its label («S», «S₂», «S₃»).
struct SourceLabel {
  QPointF at;
  QString text;
};

// The labels of the sources whose point S lies in gradient space (below 90 degrees).
std::vector<SourceLabel> SourceLabels(const FigureFrame& frame,
                                      const std::vector<UsedSource>& sources);

// The axes and the ticks, then the letters, the conventions, the sources' labels and the
// numbers. Returns the boxes of the texts drawn.
std::vector<QRectF> PaintFigureLabels(QPainter& painter, const FigureFrame& frame,
                                      const std::vector<SourceLabel>& sources);
