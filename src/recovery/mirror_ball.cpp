#include "recovery/mirror_ball.h"

#include <cmath>

#include "model/angles.h"

namespace {

bool OnBall(const MirrorBall& ball, int column, int row) {
  const double x = column - ball.column;
  const double y = row - ball.row;
  return x * x + y * y < ball.radius * ball.radius;
}

}  // namespace

std::optional<MirrorBall> BallOfMask(const std::vector<char>& inside, int width, int height) {
  double columns = 0.0, rows = 0.0, count = 0.0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      if (inside[static_cast<size_t>(row) * width + column] == 0) continue;
      columns += column;
      rows += row;
      count += 1.0;
    }
  }
  if (count == 0.0) return std::nullopt;
  return MirrorBall{columns / count, rows / count, std::sqrt(count / kPi)};
}

std::optional<LightAim> LightOfHighlight(const std::vector<double>& image, int width, int height,
                                         const MirrorBall& ball) {
  double brightest = 0.0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const double value = image[static_cast<size_t>(row) * width + column];
      if (OnBall(ball, column, row) && value > brightest) brightest = value;
    }
  }
  if (!(brightest > 0.0)) return std::nullopt;
  double columns = 0.0, rows = 0.0, weight = 0.0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const double value = image[static_cast<size_t>(row) * width + column];
      if (!OnBall(ball, column, row) || !(value >= kHighlightShare * brightest)) continue;
      columns += value * column;
      rows += value * row;
      weight += value;
    }
  }
  // The normal there, y upwards (rows run down), and the light it reflects into the camera.
  const double nx = (columns / weight - ball.column) / ball.radius;
  const double ny = -(rows / weight - ball.row) / ball.radius;
  const double across = nx * nx + ny * ny;
  if (!(across < 1.0)) return std::nullopt;
  const double nz = std::sqrt(1.0 - across);
  return AimOf(SourceDirection{2.0 * nz * nx, 2.0 * nz * ny, 2.0 * nz * nz - 1.0});
}
