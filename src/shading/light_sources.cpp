#include "shading/light_sources.h"

#include <cmath>

#include "model/angles.h"
#include "photometry/light_source.h"

namespace {

// A source nearer than this (as the cosine of its slant) to 90 degrees has its point so far out
// (beyond 10^5 units) that no view of the map reaches it.
constexpr double kGrazingCos = 1e-5;

// Doubles at or beyond this magnitude round to infinity when stored as a 32-bit float: halfway
// between the largest float and 2^128, where round-to-even goes up.
constexpr double kFloatOverflowThreshold = 0x1.ffffffp+127;

}  // namespace

NumberReading<double> ReadSourceDegrees(std::string_view text, const NumberFormat& format) {
  NumberReading<double> reading = ReadDouble(text, format);
  if (reading.Ok() && !(std::fabs(RadiansInDouble(reading.value)) < kFloatOverflowThreshold)) {
    reading.error = NumberError::kOverflow;
  }
  return reading;
}

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
