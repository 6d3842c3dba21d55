#include "photometry/light_source.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "model/angles.h"
#include "photometry/photometric_constants.h"

namespace {

struct MirrorBand {
  double lowerConstant;  // degrees times pi
  double upperConstant;
  float tolerance;
};

// Band 1 is one range about 0; bands 2 to 9 hold a positive range and its mirror image.
constexpr std::array<MirrorBand, 9> kMirrorBands{{
    {-3.1101741, 3.1101741, 0.03F},
    {3.14159, 12.56636, 0.017F},
    {12.5977759, 21.9597141, 0.01F},
    {21.99113, 28.27431, 0.007F},
    {28.3057259, 43.98226, 0.005F},
    {44.0136759, 72.25657, 0.003F},
    {72.2879859, 106.81406, 0.002F},
    {106.8454759, 197.92017, 0.001F},
    {197.9515859, 0.0, 0.0005F},  // upper bound: pi itself, below
}};
constexpr float kLastBandUpper = static_cast<float>(kPi);
constexpr float kBeyondBandsTolerance = 0.0005F;

float BandLower(size_t band) { return DividedByHalfTurn(kMirrorBands[band].lowerConstant); }
float BandUpper(size_t band) {
  return band + 1 == kMirrorBands.size() ? kLastBandUpper
                                         : DividedByHalfTurn(kMirrorBands[band].upperConstant);
}

}  // namespace

void AimLightSource(RenderState& state, float sourceSlant) {
  state.sourceSlant = sourceSlant;
  state.sourceX = 0.0F;
  state.sourceY = static_cast<float>(std::sin(static_cast<double>(sourceSlant)));
  state.sourceZ = static_cast<float>(std::cos(static_cast<double>(sourceSlant)));
}

float MirrorToleranceForSlant(float sourceSlant) {
  if (BandLower(0) <= sourceSlant && sourceSlant <= BandUpper(0)) return kMirrorBands[0].tolerance;
  for (size_t band = 1; band < kMirrorBands.size(); ++band) {
    const float lower = BandLower(band);
    const float upper = BandUpper(band);
    if ((lower <= sourceSlant && sourceSlant <= upper) ||
        (-upper <= sourceSlant && sourceSlant <= -lower)) {
      return kMirrorBands[band].tolerance;
    }
  }
  // Between two bands the next band up holds; beyond the last, its tolerance continues.
  const float magnitude = std::fabs(sourceSlant);
  for (size_t band = 1; band < kMirrorBands.size(); ++band) {
    if (magnitude < BandLower(band)) return kMirrorBands[band].tolerance;
  }
  return kBeyondBandsTolerance;
}

double MirrorSlantMargin(float angleG) {
  return kSlantMarginScale * (1.0 - static_cast<double>(angleG) * kSlantMarginSlope / kPi);
}

LightConstants MakeLightConstants(const RenderState& state) {
  LightConstants light;
  light.cosSlant = std::cos(static_cast<double>(state.sourceSlant));
  const double sx = state.sourceX;
  const double sy = state.sourceY;
  const double sz = state.sourceZ;
  light.sourceLengthSquared = sy * sy + sx * sx + sz * sz;
  light.mirrorSlantMargin = MirrorSlantMargin(state.sourceSlant);
  return light;
}

double PhaseAngle(float sourceSlant) {
  const double slant = sourceSlant;
  // atan2 of |sin| and cos keeps every digit near 0 and pi, where acos loses them.
  return std::atan2(std::fabs(std::sin(slant)), std::cos(slant));
}
