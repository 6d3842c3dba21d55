#include "surface/cast_shadows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kNothing = -std::numeric_limits<double>::infinity();

// How a ray towards the source crosses the grid: one cell of the major axis (columns or rows) a
// step, `minorShift` cells of the other, rising `rise` units of z.
struct RaySteps {
  bool columnsMajor = true;
  int majorStep = 1;  // +1 or -1 cell of the major axis towards the source
  double minorShift = 0.0;
  double rise = 0.0;
  int majorCount = 0;
  int minorCount = 0;
};

std::optional<RaySteps> StepsTowards(const HeightField& field, const LightAim& source) {
  const SourceDirection direction = DirectionOf(source);
  const double sx = direction.x;
  const double sy = direction.y;
  const double sz = direction.z;
  const double across = std::hypot(sx, sy);
  // Overhead, or at or below the horizon: nothing is cast.
  if (!(across > 1e-12) || !(sz > 0.0)) return std::nullopt;
  // Cells a unit of horizontal distance along the ray; rows run against y.
  const double columnRate = sx / across / field.spacingX;
  const double rowRate = -sy / across / field.spacingY;
  RaySteps steps;
  steps.columnsMajor = std::fabs(columnRate) >= std::fabs(rowRate);
  const double major = steps.columnsMajor ? columnRate : rowRate;
  const double minor = steps.columnsMajor ? rowRate : columnRate;
  const double distance = 1.0 / std::fabs(major);  // horizontal distance of one step
  steps.majorStep = major > 0.0 ? 1 : -1;
  steps.minorShift = minor * distance;
  steps.rise = distance * sz / across;
  steps.majorCount = steps.columnsMajor ? field.width : field.height;
  steps.minorCount = steps.columnsMajor ? field.height : field.width;
  return steps;
}

size_t CellOf(const HeightField& field, const RaySteps& steps, int major, int minor) {
  return steps.columnsMajor ? field.Index(major, minor) : field.Index(minor, major);
}

// Linear interpolation across the minor axis at `position` of a line's values; a side with
// nothing gives way to the other; nothing off the grid.
double Across(const std::vector<double>& line, double position) {
  const int last = static_cast<int>(line.size()) - 1;
  if (position < 0.0 || position > last) return kNothing;
  const int low = static_cast<int>(std::floor(position));
  const double f = position - low;
  if (f == 0.0 || low == last) return line[static_cast<size_t>(low)];
  const double a = line[static_cast<size_t>(low)];
  const double b = line[static_cast<size_t>(low) + 1];
  if (a == kNothing) return b;
  if (b == kNothing) return a;
  return (1.0 - f) * a + f * b;
}

double HeightOrNothing(double z) { return std::isfinite(z) ? z : kNothing; }

}  // namespace

std::vector<uint8_t> CastShadows(const HeightField& field, const LightAim& source) {
  std::vector<uint8_t> shadow(field.z.size(), 0);
  const std::optional<RaySteps> steps = StepsTowards(field, source);
  if (!steps) return shadow;
  // The highest the terrain rises along the ray from each cell of the line before, its own
  // height included; the first line, at the source's side, has nothing beyond it.
  std::vector<double> before(static_cast<size_t>(steps->minorCount), kNothing);
  std::vector<double> line(before.size());
  const int first = steps->majorStep > 0 ? steps->majorCount - 1 : 0;
  for (int major = first; major >= 0 && major < steps->majorCount; major -= steps->majorStep) {
    for (int minor = 0; minor < steps->minorCount; ++minor) {
      const size_t cell = CellOf(field, *steps, major, minor);
      const double horizon = Across(before, minor + steps->minorShift) - steps->rise;
      const double z = field.z[cell];
      if (std::isfinite(z) && z < horizon) shadow[cell] = 1;
      line[static_cast<size_t>(minor)] = std::max(HeightOrNothing(z), horizon);
    }
    before.swap(line);
  }
  return shadow;
}

std::vector<uint8_t> CastShadowsByMarching(const HeightField& field, const LightAim& source) {
  std::vector<uint8_t> shadow(field.z.size(), 0);
  const std::optional<RaySteps> steps = StepsTowards(field, source);
  if (!steps) return shadow;
  std::vector<double> line(static_cast<size_t>(steps->minorCount));
  for (int major = 0; major < steps->majorCount; ++major) {
    for (int minor = 0; minor < steps->minorCount; ++minor) {
      const double z = field.z[CellOf(field, *steps, major, minor)];
      if (!std::isfinite(z)) continue;
      for (int k = 1;; ++k) {
        const int along = major + k * steps->majorStep;
        if (along < 0 || along >= steps->majorCount) break;
        for (int m = 0; m < steps->minorCount; ++m) {
          line[static_cast<size_t>(m)] = HeightOrNothing(field.z[CellOf(field, *steps, along, m)]);
        }
        if (Across(line, minor + k * steps->minorShift) - k * steps->rise > z) {
          shadow[CellOf(field, *steps, major, minor)] = 1;
          break;
        }
      }
    }
  }
  return shadow;
}
