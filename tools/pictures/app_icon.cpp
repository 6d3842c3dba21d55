#include "app_icon.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr int kIconSize = 32;  // the window's icon, and the grid of the design
constexpr double kIconCentre = 16.0;
constexpr double kSphereRadius = 11.5;
constexpr double kCrescentShift =
    3.5;  // the crescent is what a circle moved right leaves uncovered

const QColor kAxisGrey(150, 150, 150);
const QColor kCrescentPurple(150, 40, 190);
const QColor kCrescentDeep(110, 0, 140);
const QColor kHighlight(255, 255, 255);
const QColor kHighlightRim(190, 190, 200);
const QColor kSphereTones[] = {{14, 14, 22}, {28, 28, 44}, {44, 44, 66}, {62, 62, 92}};

struct Vector {
  double x;
  double y;
  double z;
};

double Dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector Normalised(Vector v) {
  const double length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// Colour of the sphere at a point inside its outline; (dx, dy) is the offset from the centre, y up.
QColor SphereColour(double dx, double dy) {
  const Vector normal{
      dx / kSphereRadius, dy / kSphereRadius,
      std::sqrt(std::max(0.0, 1.0 - (dx * dx + dy * dy) / (kSphereRadius * kSphereRadius)))};
  const Vector light = Normalised({0.5, 0.6, 0.65});
  const Vector halfway = Normalised({light.x, light.y, light.z + 1.0});
  constexpr double kShininess = 24.0;
  const double specular = std::pow(std::max(0.0, Dot(normal, halfway)), kShininess);
  if (specular > 0.6) return kHighlight;
  if (specular > 0.3) return kHighlightRim;
  const double diffuse = std::max(0.0, Dot(normal, light));
  const int tone = std::min(3, static_cast<int>(diffuse * 4.0));
  return kSphereTones[tone];
}

}  // namespace

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  // Every shape is a test on pixel centres in the 32-unit design grid; at 32 pixels a design unit
  // is one pixel.
  const double scale = size / static_cast<double>(kIconSize);
  const auto paintWhere =
      [&](const std::function<std::optional<QColor>(double, double)>& colourAt) {
        for (int py = 0; py < size; ++py) {
          for (int px = 0; px < size; ++px) {
            if (const auto colour = colourAt((px + 0.5) / scale, (py + 0.5) / scale)) {
              image.setPixelColor(px, py, *colour);
            }
          }
        }
      };
  const auto grey = [](bool inside) { return inside ? std::optional(kAxisGrey) : std::nullopt; };

  // Axes: up, right, and towards the viewer (down-left), each just outside the sphere. The blocks
  // hold their lower edges, so that at 16 pixels (design centres on odd units) they still show.
  paintWhere([&](double x, double y) { return grey(x >= 15 && x < 17 && y >= 0 && y < 3); });
  paintWhere([&](double x, double y) { return grey(x >= 29 && x < 32 && y >= 15 && y < 17); });
  paintWhere([&](double x, double y) {
    const double u = x - kIconCentre;
    const double v = y - kIconCentre;
    return grey(std::abs(u + v) < 1.2 && u < -9.5 && u > -14.5);
  });

  paintWhere([](double x, double y) -> std::optional<QColor> {
    const double dx = x - kIconCentre;
    const double dy = kIconCentre - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance > kSphereRadius) return std::nullopt;
    const double shiftedX = dx - kCrescentShift;
    const double shiftedDistance = std::sqrt(shiftedX * shiftedX + dy * dy);
    if (dx < 0 && shiftedDistance > kSphereRadius) {
      return shiftedDistance > kSphereRadius + 1.5 ? kCrescentDeep : kCrescentPurple;
    }
    return SphereColour(dx, dy);
  });
  return image;
}
