#include "figure/overlay_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <numbers>

#include "figure/figure_frame.h"
#include "figure/figure_style.h"
#include "model/legend_colours.h"

namespace {

// A thin dark edge under each contour line keeps the light swatch colours readable on light grey.
inline constexpr QColor kContourEdgeColour(0, 0, 0, 110);
inline constexpr double kContourEdge = 1.0;  // logical pixels either side
inline constexpr QColor kSunColour = kSourceColours[0];
inline constexpr int kSunRays = 8;
inline constexpr double kSunRayLength = 4.0;  // beyond the disc of the mark

QPainterPath PathOf(const std::vector<ContourLine>& lines, int ratio) {
  QPainterPath path;
  for (const ContourLine& line : lines) {
    if (line.size() < 2) continue;
    path.moveTo(LogicalPointOf(line.front(), ratio));
    for (size_t k = 1; k < line.size(); ++k) path.lineTo(LogicalPointOf(line[k], ratio));
  }
  return path;
}

void StrokeLines(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
  painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void DrawSun(QPainter& painter, QPointF centre, int lineWidth) {
  const double radius = kSourceMarkRadius;
  const double pen = lineWidth;
  QPainterPath rays;
  for (int k = 0; k < kSunRays; ++k) {
    const double angle = 2.0 * std::numbers::pi * k / kSunRays;
    const QPointF direction(std::cos(angle), std::sin(angle));
    rays.moveTo(centre + direction * (radius + 1.0));
    rays.lineTo(centre + direction * (radius + kSunRayLength));
  }
  StrokeLines(painter, rays, kMarkOutlineColour, pen + 2.0);
  StrokeLines(painter, rays, kSunColour, pen);
  painter.setPen(QPen(kMarkOutlineColour, pen));
  painter.setBrush(kSunColour);
  painter.drawEllipse(centre, radius, radius);
}

}  // namespace

QColor ContourColour(size_t level) {
  const uint32_t bgr = kSwatchColours.at(level);
  return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
                static_cast<int>((bgr >> 16) & 0xFFU));
}

QColor OutlineColour(Rgb background) {
  const int luminance = (299 * background.r + 587 * background.g + 114 * background.b) / 1000;
  return luminance < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

void DrawContourLines(QPainter& painter, int ratio, const LevelContours& contours, int lineWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (size_t k = 0; k < contours.size(); ++k) {
    if (contours[k].empty()) continue;
    const QPainterPath path = PathOf(contours[k], ratio);
    StrokeLines(painter, path, kContourEdgeColour, lineWidth + 2.0 * kContourEdge);
    StrokeLines(painter, path, ContourColour(k), lineWidth);
  }
  painter.restore();
}

void DrawSphereOverlay(QPainter& painter, int ratio, const SphereOverlay& overlay, int lineWidth,
                       Rgb background) {
  DrawContourLines(painter, ratio, overlay.contours, lineWidth);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (!overlay.outline.empty()) {
    StrokeLines(painter, PathOf(overlay.outline, ratio), OutlineColour(background), lineWidth);
  }
  if (overlay.source) DrawSun(painter, LogicalPointOf(*overlay.source, ratio), lineWidth);
  painter.restore();
}
