#include "figure/lit_hatch.h"

#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "figure/figure_style.h"
#include "gradient/lit_by_all.h"

namespace {

double Cross(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

// The part of `line` inside the convex polygon `corners` (either turn), if any.
std::optional<QLineF> CutToConvex(const QLineF& line, const QPolygonF& corners) {
  double area = 0.0;
  for (qsizetype k = 0; k < corners.size(); ++k) {
    area += Cross(corners[k], corners[(k + 1) % corners.size()]);
  }
  const double turn = area < 0 ? -1.0 : 1.0;
  const QPointF along = line.p2() - line.p1();
  double low = 0.0;
  double high = 1.0;
  for (qsizetype k = 0; k < corners.size(); ++k) {
    const QPointF edge = corners[(k + 1) % corners.size()] - corners[k];
    // Inside this edge where turn * Cross(edge, point - corner) >= 0, linear in the line's t.
    const double at = turn * Cross(edge, line.p1() - corners[k]);
    const double rate = turn * Cross(edge, along);
    if (rate == 0.0) {
      if (at < 0.0) return std::nullopt;
    } else if (rate > 0.0) {
      low = std::max(low, -at / rate);
    } else {
      high = std::min(high, -at / rate);
    }
  }
  if (low >= high) return std::nullopt;
  return QLineF(line.pointAt(low), line.pointAt(high));
}

}  // namespace

void DrawLitByAllHatch(QPainter& painter, const FigureFrame& frame,
                       const std::vector<UsedSource>& sources) {
  const std::vector<PixelPoint> region = LitByAllRegion(frame.view, frame.deviceSize.width(),
                                                        frame.deviceSize.height(), AimsOf(sources));
  if (region.size() < 3) return;
  QPolygonF corners;
  for (const PixelPoint& corner : region) corners.append(LogicalPointOf(corner, frame.ratio));
  // Qt's SVG generator drops clipping: there each line is cut to the region itself, and all of
  // them make one path.
  const bool clips =
      painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::SVG;
  QPainterPath clip;
  clip.addPolygon(corners);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(kLitHatchColour, kLitHatchPen);
  if (clips) {
    painter.setClipPath(clip, Qt::IntersectClip);
  } else {
    pen.setCapStyle(Qt::FlatCap);  // ends where the clip would have cut it
  }
  painter.setPen(pen);
  // The lines x + y = c across the picture, c from 0 to width + height.
  const QSizeF size = frame.LogicalSize();
  const double last = size.width() + size.height();
  const int count = static_cast<int>(std::ceil(last / kLitHatchSpacing));
  QPainterPath cutLines;
  for (int k = 0; k <= count; ++k) {
    const double c = k * kLitHatchSpacing;
    const QLineF line(QPointF(c - size.height(), size.height()), QPointF(c, 0.0));
    if (clips) {
      painter.drawLine(line);
    } else if (const std::optional<QLineF> cut = CutToConvex(line, corners)) {
      cutLines.moveTo(cut->p1());
      cutLines.lineTo(cut->p2());
    }
  }
  if (!clips) painter.drawPath(cutLines);
  painter.restore();
}
