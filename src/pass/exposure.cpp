#include "pass/exposure.h"

#include <algorithm>
#include <cmath>

double AutoExposure(int width, int height,
                    const std::function<std::optional<Readout>(int x, int y)>& readAt) {
  double brightest = 0.0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::optional<Readout> readout = readAt(x, y);
      if (!readout) continue;
      const double phi = readout->reading.functionPhi;
      if (std::isfinite(phi) && phi > brightest) brightest = phi;
    }
  }
  if (brightest <= 0.0) return 1.0;
  return std::clamp(1.0 / brightest, kMinExposure, kMaxExposure);
}

double SphereAutoExposure(const RenderState& lastPass, int width, int height) {
  return AutoExposure(width, height,
                      [&](int x, int y) { return ReadoutAtPixel(lastPass, width, height, x, y); });
}
