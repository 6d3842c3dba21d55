#include "gradient/light_sources.h"

#include <cmath>

#include "model/angles.h"
#include "photometry/light_source.h"

namespace {

// A source nearer than this (as the cosine of its slant) to 90 degrees has its point so far out
// (beyond 10^5 units) that no view of the map reaches it.
constexpr double kGrazingCos = 1e-5;

}  // namespace

LightAim DescribedSource(const RenderState& lastPass) {
  // Back to degrees in 64-bit: RadiansFromDegrees of this gives the pass's 32-bit slant again.
  return {static_cast<double>(lastPass.sourceSlant) * kDegreesPerHalfTurn / kPi, 0.0};
}

float SlantRadians(const LightAim& source) { return RadiansFromDegrees(source.slantDegrees); }

SourceDirection DirectionOf(const LightAim& source) {
  RenderState aimed;
  AimLightSource(aimed, SlantRadians(source));
  const double tilt = RadiansInDouble(source.tiltDegrees);
  const double sinTilt = std::sin(tilt);
  const double cosTilt = std::cos(tilt);
  const double x = aimed.sourceX;
  const double y = aimed.sourceY;
  return {x * cosTilt - y * sinTilt, x * sinTilt + y * cosTilt, aimed.sourceZ};
}

LightAim AimOf(const SourceDirection& direction) {
  // atan2 keeps every digit near the axis and near 90 degrees, where acos and asin lose them.
  const double slant = std::atan2(std::hypot(direction.x, direction.y), direction.z);
  // DirectionOf turns (0, sin, cos) by the tilt: x = -sin slant sin tilt, y = sin slant cos tilt.
  const double tilt =
      direction.x == 0.0 && direction.y == 0.0 ? 0.0 : std::atan2(-direction.x, direction.y);
  return {slant * kDegreesPerHalfTurn / kPi, tilt * kDegreesPerHalfTurn / kPi};
}

std::optional<Gradient> SourcePoint(const LightAim& source) {
  const SourceDirection d = DirectionOf(source);
  if (d.z < kGrazingCos) return std::nullopt;
  return Gradient{-d.x / d.z, -d.y / d.z};
}

std::optional<GradientLine> ShadowLine(const LightAim& source) {
  const SourceDirection d = DirectionOf(source);
  if (d.x == 0.0 && d.y == 0.0) return std::nullopt;
  return GradientLine{-d.x, -d.y, d.z};
}
