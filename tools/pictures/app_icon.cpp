#include "app_icon.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "pixel_shapes.h"

namespace {

constexpr int kIconSize = 32;
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

double dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector normalised(Vector v) {
  const double length = std::sqrt(dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// Colour of the sphere at a point inside its outline; (dx, dy) is the offset from the centre, y up.
QColor sphereColour(double dx, double dy) {
  const Vector normal{
      dx / kSphereRadius, dy / kSphereRadius,
      std::sqrt(std::max(0.0, 1.0 - (dx * dx + dy * dy) / (kSphereRadius * kSphereRadius)))};
  const Vector light = normalised({0.5, 0.6, 0.65});
  const Vector halfway = normalised({light.x, light.y, light.z + 1.0});
  constexpr double kShininess = 24.0;
  const double specular = std::pow(std::max(0.0, dot(normal, halfway)), kShininess);
  if (specular > 0.6) return kHighlight;
  if (specular > 0.3) return kHighlightRim;
  const double diffuse = std::max(0.0, dot(normal, light));
  const int tone = std::min(3, static_cast<int>(diffuse * 4.0));
  return kSphereTones[tone];
}

}  // namespace

QImage drawIcon() {
  QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);

  // Axes: up, right, and towards the viewer (down-left), each just outside the sphere.
  fillBlock(image, kAxisGrey, 15, 0, 16, 2);
  fillBlock(image, kAxisGrey, 29, 15, 31, 16);
  fillWhere(image, kAxisGrey, [](double x, double y) {
    const double u = x - kIconCentre;
    const double v = y - kIconCentre;
    return std::abs(u + v) < 1.2 && u < -9.5 && u > -14.5;
  });

  for (int py = 0; py < kIconSize; ++py) {
    for (int px = 0; px < kIconSize; ++px) {
      const double dx = px + 0.5 - kIconCentre;
      const double dy = kIconCentre - (py + 0.5);
      const double distance = std::sqrt(dx * dx + dy * dy);
      if (distance > kSphereRadius) continue;
      const double shiftedX = dx - kCrescentShift;
      const double shiftedDistance = std::sqrt(shiftedX * shiftedX + dy * dy);
      if (dx < 0 && shiftedDistance > kSphereRadius) {
        image.setPixelColor(
            px, py, shiftedDistance > kSphereRadius + 1.5 ? kCrescentDeep : kCrescentPurple);
      } else {
        image.setPixelColor(px, py, sphereColour(dx, dy));
      }
    }
  }
  return image;
}
