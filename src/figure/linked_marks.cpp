#include "figure/linked_marks.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "figure/figure_frame.h"
#include "figure/figure_style.h"

namespace {

constexpr double kCrossArm = 7.0;  // logical pixels from the centre
constexpr double kRingRadius = 5.0;
constexpr double kEdge = 1.0;  // the dark edge either side of a line

void StrokeWithEdge(QPainter& painter, const QPainterPath& path, const QColor& colour,
                    double width) {
  painter.strokePath(path, QPen(kMarkOutlineColour, width + 2.0 * kEdge, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
  painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace

void DrawGradientCross(QPainter& painter, int ratio, PixelPoint point, int lineWidth) {
  const QPointF centre = LogicalPointOf(point, ratio);
  QPainterPath cross;
  cross.moveTo(centre - QPointF(kCrossArm, 0.0));
  cross.lineTo(centre + QPointF(kCrossArm, 0.0));
  cross.moveTo(centre - QPointF(0.0, kCrossArm));
  cross.lineTo(centre + QPointF(0.0, kCrossArm));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  StrokeWithEdge(painter, cross, kLinkedMarkColour, 1.5 * lineWidth);
  painter.restore();
}

void DrawNormalRing(QPainter& painter, int ratio, PixelPoint point, int lineWidth) {
  QPainterPath ring;
  ring.addEllipse(LogicalPointOf(point, ratio), kRingRadius, kRingRadius);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  StrokeWithEdge(painter, ring, kLinkedMarkColour, kRingPen * lineWidth);
  painter.restore();
}

void DrawLinkedCells(QPainter& painter, int ratio, const std::vector<uint8_t>& cells, int width,
                     int height) {
  if (width <= 0 || height <= 0 || cells.size() < static_cast<size_t>(width) * height) return;
  QImage wash(width, height, QImage::Format_ARGB32_Premultiplied);
  wash.fill(Qt::transparent);
  const QRgb colour = qPremultiply(kLinkedCellsColour.rgba());
  bool any = false;
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(wash.scanLine(row));
    for (int column = 0; column < width; ++column) {
      if (cells[static_cast<size_t>(row) * static_cast<size_t>(width) +
                static_cast<size_t>(column)] == 0) {
        continue;
      }
      line[column] = colour;
      any = true;
    }
  }
  if (!any) return;
  wash.setDevicePixelRatio(ratio);
  painter.drawImage(QPointF(0.0, 0.0), wash);
}

void DrawPreImage(QPainter& painter, int ratio, const std::vector<ContourLine>& lines,
                  const QColor& colour, int lineWidth) {
  QPainterPath path;
  for (const ContourLine& line : lines) {
    if (line.size() < 2) continue;
    path.moveTo(LogicalPointOf(line.front(), ratio));
    for (size_t k = 1; k < line.size(); ++k) path.lineTo(LogicalPointOf(line[k], ratio));
  }
  if (path.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  StrokeWithEdge(painter, path, colour, lineWidth);
  painter.restore();
}
