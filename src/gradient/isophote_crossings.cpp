#include "gradient/isophote_crossings.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "gradient/source_phi.h"

namespace {

constexpr int kCellPixels = 2;              // the coarse grid's spacing
constexpr int kNewtonSteps = 40;            // more than a converging start ever needs
constexpr double kDerivativePixels = 0.05;  // the central differences' half step
constexpr double kOnCurvePixels = 0.05;     // how near both curves a crossing must lie
constexpr double kSamePointPixels = 1.0;
constexpr double kLargestStepCells = 2.0;  // Newton steps are cut to this length
// Steps shorter than this end the search: phi is stored in 32 bits, so Newton's steps settle
// no closer than its rounding allows (some 1e-7 units), however many are taken.
constexpr double kSettledPixels = 1e-3;
constexpr double kOnIsophotePixels = 0.5;
// Jacobians whose determinant is this small beside the product of their rows' sizes are taken
// as singular: the two isophotes run (nearly) parallel there.
constexpr double kParallelRatio = 1e-9;

// phi - value of one source, and its derivatives by p and q.
class Difference {
 public:
  Difference(const RenderState& lastPass, const LightAim& source, Gradient through, double step)
      : field_(lastPass, source), value_(field_.FunctionPhi(through)), step_(step) {}

  double At(Gradient g) const {
    return static_cast<double>(field_.FunctionPhi(g)) - static_cast<double>(value_);
  }
  Gradient Slope(Gradient g) const {
    return {(At({g.p + step_, g.q}) - At({g.p - step_, g.q})) / (2.0 * step_),
            (At({g.p, g.q + step_}) - At({g.p, g.q - step_})) / (2.0 * step_)};
  }
  // The distance from g to the curve in units of p and q, to first order.
  double Distance(Gradient g) const {
    const Gradient slope = Slope(g);
    return std::fabs(At(g)) / std::hypot(slope.p, slope.q);
  }

 private:
  SourcePhiField field_;
  float value_;
  double step_;
};

// Newton's method for both differences from `start`; nothing when it meets parallel curves or a
// value that is not finite. A start that has not settled after every step gives its last point,
// for the caller to judge.
std::optional<Gradient> Refine(const Difference& first, const Difference& second, Gradient start,
                               double largestStep, double settled) {
  Gradient g = start;
  for (int step = 0; step < kNewtonSteps; ++step) {
    const double f1 = first.At(g);
    const double f2 = second.At(g);
    const Gradient j1 = first.Slope(g);
    const Gradient j2 = second.Slope(g);
    const double det = j1.p * j2.q - j1.q * j2.p;
    const double size = (std::fabs(j1.p) + std::fabs(j1.q)) * (std::fabs(j2.p) + std::fabs(j2.q));
    if (!std::isfinite(det) || !std::isfinite(f1) || !std::isfinite(f2) ||
        std::fabs(det) <= kParallelRatio * size) {
      return std::nullopt;
    }
    double dp = (f1 * j2.q - f2 * j1.q) / det;
    double dq = (j1.p * f2 - j2.p * f1) / det;
    const double length = std::hypot(dp, dq);
    if (length > largestStep) {
      dp *= largestStep / length;
      dq *= largestStep / length;
    }
    g = {g.p - dp, g.q - dq};
    if (length <= settled) return g;
  }
  return g;
}

bool InsidePicture(PixelPoint point, int width, int height) {
  return point.x >= -0.5 && point.y >= -0.5 && point.x <= width - 0.5 && point.y <= height - 0.5;
}

// phi - value of the two sources at one point of the grid.
struct Differences {
  double first = 0.0;
  double second = 0.0;
};

bool ChangesSign(double a, double b, double c, double d) {
  if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d)) {
    return false;
  }
  const bool anyBelow = a < 0.0 || b < 0.0 || c < 0.0 || d < 0.0;
  const bool anyAbove = a >= 0.0 || b >= 0.0 || c >= 0.0 || d >= 0.0;
  return anyBelow && anyAbove;
}

// The grid's columns or rows: every kCellPixels-th from 0, and the last pixel.
std::vector<int> GridLines(int count) {
  std::vector<int> lines;
  for (int k = 0; k < count; k += kCellPixels) lines.push_back(k);
  if (lines.back() != count - 1) lines.push_back(count - 1);
  return lines;
}

}  // namespace

std::vector<Gradient> IsophoteCrossings(const RenderState& lastPass, const LightAim& first,
                                        const LightAim& second, Gradient through,
                                        const GradientView& view, int width, int height) {
  std::vector<Gradient> crossings{through};
  if (width <= 0 || height <= 0) return crossings;
  const double unitsPerPixel = 1.0 / view.pixelsPerUnit;
  const Difference d1(lastPass, first, through, kDerivativePixels * unitsPerPixel);
  const Difference d2(lastPass, second, through, kDerivativePixels * unitsPerPixel);
  const auto addIfNew = [&](Gradient g) {
    const PixelPoint at = PixelOfGradient(view, width, height, g);
    if (!InsidePicture(at, width, height)) return;
    if (d1.Distance(g) > kOnCurvePixels * unitsPerPixel ||
        d2.Distance(g) > kOnCurvePixels * unitsPerPixel) {
      return;
    }
    for (const Gradient& known : crossings) {
      const PixelPoint other = PixelOfGradient(view, width, height, known);
      if (std::hypot(at.x - other.x, at.y - other.y) < kSamePointPixels) return;
    }
    crossings.push_back(g);
  };
  const std::vector<int> columns = GridLines(width);
  const std::vector<int> rows = GridLines(height);
  // The differences at the grid's points, the row above and this one.
  std::vector<Differences> above(columns.size());
  std::vector<Differences> here(columns.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < columns.size(); ++c) {
      const Gradient g = GradientAtPixel(view, width, height, columns[c], rows[r]);
      here[c] = {d1.At(g), d2.At(g)};
    }
    for (size_t c = 0; r > 0 && c + 1 < columns.size(); ++c) {
      if (!ChangesSign(above[c].first, above[c + 1].first, here[c].first, here[c + 1].first) ||
          !ChangesSign(above[c].second, above[c + 1].second, here[c].second, here[c + 1].second)) {
        continue;
      }
      const Gradient centre = GradientAtPixel(
          view, width, height, 0.5 * (columns[c] + columns[c + 1]), 0.5 * (rows[r - 1] + rows[r]));
      if (const std::optional<Gradient> crossing =
              Refine(d1, d2, centre, kLargestStepCells * kCellPixels * unitsPerPixel,
                     kSettledPixels * unitsPerPixel)) {
        addIfNew(*crossing);
      }
    }
    above.swap(here);
  }
  return crossings;
}

bool OnIsophoteThrough(const RenderState& lastPass, const LightAim& source, Gradient through,
                       Gradient point, const GradientView& view) {
  const double unitsPerPixel = 1.0 / view.pixelsPerUnit;
  const Difference difference(lastPass, source, through, kDerivativePixels * unitsPerPixel);
  if (difference.At(point) == 0.0) return true;
  return difference.Distance(point) <= kOnIsophotePixels * unitsPerPixel;
}

std::vector<Gradient> CrossingsSharedBy(const RenderState& lastPass, const LightAim& third,
                                        Gradient through, const std::vector<Gradient>& crossings,
                                        const GradientView& view) {
  std::vector<Gradient> shared;
  std::copy_if(
      crossings.begin(), crossings.end(), std::back_inserter(shared),
      [&](const Gradient& g) { return OnIsophoteThrough(lastPass, third, through, g, view); });
  return shared;
}
