#include "axis_pictures.h"

#include <cmath>

#include "model/angles.h"
#include "pixel_shapes.h"

namespace {

constexpr int kAxisSize = 20;
const QColor kAxisGround(192, 192, 192);
const QColor kArrowDark(32, 32, 32);
const QColor kMinusBlue(0, 0, 255);
const QColor kPlusRed(255, 0, 0);

QImage BlankAxisPicture() {
  QImage image(kAxisSize, kAxisSize, QImage::Format_RGB32);
  image.fill(kAxisGround);
  return image;
}

// Rotation about Ox: an upward arrow, minus at its upper right, plus at its lower right.
}  // namespace

QImage DrawAxisX() {
  QImage image = BlankAxisPicture();
  FillBlock(image, kArrowDark, 6, 6, 7, 18);
  FillTriangle(image, kArrowDark, {7.0, 1.0}, {2.0, 7.0}, {12.0, 7.0});
  DrawMinus(image, kMinusBlue, 13, 3);
  DrawPlus(image, kPlusRed, 13, 11);
  return image;
}

// Rotation about Oy, the axis seen end on: a curved arrow around a centre dot, minus at the right,
// plus below.
QImage DrawAxisY() {
  QImage image = BlankAxisPicture();
  constexpr double kCentreX = 8.0;
  constexpr double kCentreY = 8.0;
  constexpr double kRadius = 4.5;
  constexpr double kHalfThickness = 0.9;
  // The arc runs counter-clockwise on screen (angles in degrees, y up) from kArcStart round to
  // kArcEnd, leaving its gap at the upper left, away from the two signs.
  constexpr double kArcStart = 190.0;
  constexpr double kArcEnd = 450.0;

  FillBlock(image, kArrowDark, 7, 7, 8, 8);
  FillWhere(image, kArrowDark, [=](double x, double y) {
    const double dx = x - kCentreX;
    const double dy = kCentreY - y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (std::abs(distance - kRadius) > kHalfThickness) return false;
    double angle = std::atan2(dy, dx) * kDegreesPerHalfTurn / kPi;
    while (angle < kArcStart) angle += 360.0;
    return angle <= kArcEnd;
  });

  // Arrowhead at the end of the arc, pointing along its counter-clockwise tangent.
  const double end = RadiansInDouble(kArcEnd);
  const Point onArc{kCentreX + kRadius * std::cos(end), kCentreY - kRadius * std::sin(end)};
  const Point along{-std::sin(end), -std::cos(end)};  // screen direction of increasing angle
  const Point outward{std::cos(end), -std::sin(end)};
  constexpr double kHeadLength = 4.0;
  constexpr double kHeadHalfWidth = 3.0;
  FillTriangle(image, kArrowDark,
               {onArc.x + along.x * kHeadLength, onArc.y + along.y * kHeadLength},
               {onArc.x + outward.x * kHeadHalfWidth, onArc.y + outward.y * kHeadHalfWidth},
               {onArc.x - outward.x * kHeadHalfWidth, onArc.y - outward.y * kHeadHalfWidth});

  DrawMinus(image, kMinusBlue, 14, 7);
  DrawPlus(image, kPlusRed, 5, 14);
  return image;
}

// Rotation about Oz: an arrow pointing right, minus at the lower left, plus at the lower right.
QImage DrawAxisZ() {
  QImage image = BlankAxisPicture();
  FillBlock(image, kArrowDark, 1, 5, 13, 6);
  FillTriangle(image, kArrowDark, {19.0, 6.0}, {13.0, 1.0}, {13.0, 11.0});
  DrawMinus(image, kMinusBlue, 2, 14);
  DrawPlus(image, kPlusRed, 12, 12);
  return image;
}
