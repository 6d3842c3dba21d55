#include "figure/lit_hatch.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cmath>

#include "figure/figure_style.h"
#include "gradient/lit_by_all.h"

void DrawLitByAllHatch(QPainter& painter, const FigureFrame& frame,
                       const std::vector<UsedSource>& sources) {
  const std::vector<PixelPoint> region = LitByAllRegion(frame.view, frame.deviceSize.width(),
                                                        frame.deviceSize.height(), AimsOf(sources));
  if (region.size() < 3) return;
  QPolygonF corners;
  for (const PixelPoint& corner : region) corners.append(LogicalPointOf(corner, frame.ratio));
  QPainterPath clip;
  clip.addPolygon(corners);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipPath(clip, Qt::IntersectClip);
  painter.setPen(QPen(kLitHatchColour, kLitHatchPen));
  // The lines x + y = c across the picture, c from 0 to width + height.
  const QSizeF size = frame.LogicalSize();
  const double last = size.width() + size.height();
  const int count = static_cast<int>(std::ceil(last / kLitHatchSpacing));
  for (int k = 0; k <= count; ++k) {
    const double c = k * kLitHatchSpacing;
    painter.drawLine(QPointF(c - size.height(), size.height()), QPointF(c, 0.0));
  }
  painter.restore();
}
