#pragma once
// The text of the map as a figure, drawn with QPainter over the map in the window's font (9
// points or more): the axes through the origin with a tick at every step, the ticks' numbers in
// the user's number format, the letters p and q, the label «S» beside the source's point and
// the conventions «N = (−p, −q, 1)» in the lower-left corner. Each text sits on a small
// translucent box clear of the axes; a number that would overlap a text already placed is left
// out. Nothing is drawn outside the picture.

#include <QFont>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "gradient/gradient_view.h"

class QPainter;

struct FigureFrame {
  QSizeF size;        // the picture, logical pixels
  int ratio = 1;      // device pixels a logical one
  GradientView view;  // in device pixels
  QFont font;
  QLocale locale;
};

inline constexpr double kMinFigurePointSize = 9.0;

// The window's font at `kMinFigurePointSize` points or more.
QFont FigureFont(const QFont& windowFont);

// Where the origin p = q = 0 lies, logical pixels.
QPointF FigureOrigin(const FigureFrame& frame);

// A source's point S, logical pixels, and its label («S», «S₂», «S₃»).
struct SourceLabel {
  QPointF at;
  QString text;
};

// The axes and the ticks, then the letters, the conventions, the sources' labels and the
// numbers. Returns the boxes of the texts drawn.
std::vector<QRectF> PaintFigureLabels(QPainter& painter, const FigureFrame& frame,
                                      const std::vector<SourceLabel>& sources);
