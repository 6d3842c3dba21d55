#include "model/startup_values.h"

namespace {

constexpr float kPixelScale = 0.01F;  // sphere units per pixel: the outline has a radius of 100
constexpr double kTopIsoLevel = 0.9;
constexpr double kIsoLevelStep = 0.1;
constexpr float kIsoHalfWidth = 0.005F;
constexpr int32_t kWhite = 255;

// Level of legend row k (1 to 6): formed in double, stored as a 32-bit float.
float StartupIsoLevel(int k) { return static_cast<float>(kTopIsoLevel - kIsoLevelStep * k); }

}  // namespace

float ScaledPixelScale(int scale) {
  if (scale == 1) return kPixelScale;
  return static_cast<float>(static_cast<double>(kPixelScale) / scale);
}

void ApplyStartupValues(RenderState& state) {
  state.pixelScale = kPixelScale;
  state.reflectanceKind = kMatte;
  for (int k = 1; k < kIsoBandCount; ++k) state.isoLevel[k] = StartupIsoLevel(k);
  state.isoLevel[0] = static_cast<float>(kTopIsoLevel);
  state.isoHalfWidth.fill(kIsoHalfWidth);
  state.backgroundR = kWhite;
  state.backgroundG = kWhite;
  state.backgroundB = kWhite;
  state.halfSphere = 1;
  state.showIsolines = 1;
}
