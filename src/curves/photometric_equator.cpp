#include "curves/photometric_equator.h"

#include <cmath>
#include <numbers>

#include "overlay/sphere_marks.h"

namespace {

constexpr int kSteps = 3600;  // a tenth of a degree along the circle

}  // namespace

std::vector<ProfileSample> PhotometricEquatorProfile(const RenderState& lastPass, int width,
                                                     int height, const ProfileReader& readAt) {
  // W: the unit vector in the circle's plane perpendicular to V, towards the source.
  double wx = lastPass.sourceX;
  double wy = lastPass.sourceY;
  const double across = std::hypot(wx, wy);
  if (across > 1e-9) {
    wx /= across;
    wy /= across;
  } else {
    wx = 0.0;
    wy = 1.0;
  }
  std::vector<ProfileSample> samples;
  for (int k = -kSteps / 2; k <= kSteps / 2; ++k) {
    const double t = k * std::numbers::pi / (kSteps / 2);
    const double c = std::cos(t);
    const double s = std::sin(t);
    const std::optional<PixelPoint> at =
        DirectionOnPicture(lastPass, width, height, s * wx, s * wy, c);
    if (!at) continue;
    const int x = static_cast<int>(std::lround(at->x));
    const int y = static_cast<int>(std::lround(at->y));
    if (x < 0 || y < 0 || x >= width || y >= height) continue;
    if (!samples.empty() && samples.back().x == x && samples.back().y == y) continue;
    samples.push_back({x, y, t * 180.0 / std::numbers::pi, readAt(x, y), {}});
  }
  return samples;
}
