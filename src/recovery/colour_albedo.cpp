#include "recovery/colour_albedo.h"

#include <cmath>
#include <limits>

ColourAlbedoChannels ColourAlbedo(const RecoveryImages& images, const RecoveredNormals& normals) {
  ColourAlbedoChannels albedo;
  if (images.colour.size() != images.sources.size() || images.colour.empty()) return albedo;
  const size_t cells = images.Cells();
  for (std::vector<double>& channel : albedo) {
    channel.assign(cells, std::numeric_limits<double>::quiet_NaN());
  }
  std::vector<SourceDirection> lights;
  for (const LightAim& aim : images.sources) lights.push_back(DirectionOf(aim));
  for (size_t cell = 0; cell < cells && cell < normals.p.size(); ++cell) {
    const double p = normals.p[cell];
    const double q = normals.q[cell];
    if (!std::isfinite(p) || !std::isfinite(q)) continue;
    // The unit normal N = (-p, -q, 1) / |(-p, -q, 1)|.
    const double length = std::sqrt(p * p + q * q + 1.0);
    for (size_t channel = 0; channel < 3; ++channel) {
      double along = 0.0;
      double squares = 0.0;
      for (size_t k = 0; k < lights.size(); ++k) {
        const double shading = (-p * lights[k].x - q * lights[k].y + lights[k].z) / length;
        const double value = images.colour[k][channel][cell];
        if (!(shading > 0.0) || !std::isfinite(value)) continue;
        along += value * shading;
        squares += shading * shading;
      }
      if (squares > 0.0) albedo[channel][cell] = along / squares;
    }
  }
  return albedo;
}
