#include "figure/source_marks.h"

#include <QPainter>
#include <QPen>
#include <QRectF>
#include <optional>

#include "figure/figure_style.h"
#include "gradient/figure_marks.h"

namespace {

// Whether a mark reaching `reach` logical pixels from `centre` may show in the picture (also
// keeps far-off points, of sources near 90 degrees, away from the painter).
bool MayShow(const FigureFrame& frame, QPointF centre, double reach) {
  const QSizeF size = frame.LogicalSize();
  return centre.x() > -reach && centre.y() > -reach && centre.x() < size.width() + reach &&
         centre.y() < size.height() + reach;
}

void DrawShadowLine(QPainter& painter, const FigureFrame& frame, const UsedSource& source) {
  const std::optional<PixelSegment> segment =
      ShadowSegment(frame.view, frame.deviceSize.width(), frame.deviceSize.height(), source.aim);
  if (!segment) return;
  const double width = kShadowLinePen * frame.lineWidth;
  QPen pen(SourceColour(source), width, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({kDashOn / width, kDashOff / width});
  painter.setPen(pen);
  painter.drawLine(LogicalPointOf(segment->from, frame.ratio),
                   LogicalPointOf(segment->to, frame.ratio));
}

void DrawSourceRing(QPainter& painter, const FigureFrame& frame, const UsedSource& source) {
  const std::optional<PixelPoint> point =
      SourcePixel(frame.view, frame.deviceSize.width(), frame.deviceSize.height(), source.aim);
  if (!point) return;
  const QPointF centre = LogicalPointOf(*point, frame.ratio);
  DrawRing(painter, frame, centre, kSourceMarkRadius, SourceColour(source), Qt::transparent);
  if (!MayShow(frame, centre, kSourceDotRadius)) return;
  painter.setPen(Qt::NoPen);
  painter.setBrush(SourceColour(source));
  painter.drawEllipse(centre, kSourceDotRadius, kSourceDotRadius);
}

}  // namespace

void DrawRing(QPainter& painter, const FigureFrame& frame, QPointF centre, double radius,
              const QColor& colour, const QColor& outline) {
  const double ringPen = kRingPen * frame.lineWidth;
  const double outlinePen = ringPen + kOutlinePen - kRingPen;
  if (!MayShow(frame, centre, radius + outlinePen)) return;
  painter.setBrush(Qt::NoBrush);
  if (outline.alpha() != 0) {
    painter.setPen(QPen(outline, outlinePen));
    painter.drawEllipse(centre, radius, radius);
  }
  painter.setPen(QPen(colour, ringPen));
  painter.drawEllipse(centre, radius, radius);
}

void DrawSourceMarks(QPainter& painter, const FigureFrame& frame,
                     const std::vector<UsedSource>& sources) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const UsedSource& source : sources) DrawShadowLine(painter, frame, source);
  for (const UsedSource& source : sources) DrawSourceRing(painter, frame, source);
  painter.restore();
}
