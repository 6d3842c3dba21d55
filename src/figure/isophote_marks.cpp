#include "figure/isophote_marks.h"

#include <QList>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>

#include "figure/figure_style.h"
#include "figure/source_marks.h"

namespace {

// Each pixel a square of kIsophotePen logical pixels about its centre (times the line width): at
// scale 1 and width 1 exactly the pixel. (Qt draws an unsmoothed point half a pixel down and right
// of where a filled square lies.)
void DrawIsophote(QPainter& painter, const FigureFrame& frame,
                  const std::vector<PixelPoint>& pixels, const QColor& colour) {
  QList<QRectF> squares;
  squares.reserve(static_cast<qsizetype>(pixels.size()));
  const double side = kIsophotePen * frame.lineWidth;
  for (const PixelPoint& pixel : pixels) {
    const QPointF centre = LogicalPointOf(pixel, frame.ratio);
    squares.append(QRectF(centre.x() - side / 2.0, centre.y() - side / 2.0, side, side));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRects(squares);
}

void DrawCrossings(QPainter& painter, const FigureFrame& frame,
                   const std::vector<Gradient>& crossings, double radius, const QColor& colour) {
  const int width = frame.deviceSize.width();
  const int height = frame.deviceSize.height();
  for (const Gradient& crossing : crossings) {
    const QPointF centre =
        LogicalPointOf(PixelOfGradient(frame.view, width, height, crossing), frame.ratio);
    DrawRing(painter, frame, centre, radius, colour, kMarkOutlineColour);
  }
}

}  // namespace

void DrawIsophoteMarks(QPainter& painter, const FigureFrame& frame,
                       const std::vector<UsedSource>& sources, const IsophotesThrough& marks) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const size_t count = std::min(sources.size(), marks.isophotes.size());
  for (size_t k = 0; k < count; ++k) {
    DrawIsophote(painter, frame, marks.isophotes[k], SourceColour(sources[k]));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  DrawCrossings(painter, frame, marks.crossings, kCrossingMarkRadius, kCrossingColour);
  DrawCrossings(painter, frame, marks.shared, kSharedCrossingMarkRadius, kSharedCrossingColour);
  painter.restore();
}
