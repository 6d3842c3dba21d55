#include "pass/observer_arrow.h"

#include <cmath>

#include "model/angles.h"

namespace {

constexpr double kMaxArrowDegrees = 70.0;
constexpr double kShaftTopY = 69.0;           // y of the shaft's lower end for rotX <= 0
constexpr double kShaftGrowth = 201.0 / 2.0;  // how far the lower end moves as cos(rotX) falls to 0

// Largest |rotX| at which the arrow shows: 70 degrees in radians, stored as a 32-bit float.
float MaxArrowRotX() { return RadiansFromDegrees(kMaxArrowDegrees); }

float ShaftLowerY(float rotX) {
  if (rotX <= 0.0F) return static_cast<float>(kShaftTopY);
  return static_cast<float>(std::floor(kShaftTopY + kShaftGrowth * (1.0 - std::cos(double{rotX}))));
}

}  // namespace

ArrowState DecideObserverArrow(float rotX, float rotYDegrees) {
  ArrowState arrow;
  arrow.shown = std::fabs(rotX) <= MaxArrowRotX() && rotYDegrees == 0.0F;
  if (arrow.shown) arrow.shaftLowerY = ShaftLowerY(rotX);
  return arrow;
}

int NextArrowDrawMode(int shaftMode) {
  return shaftMode == kDrawModeNop ? kDrawModeInvert : kDrawModeNop;
}
