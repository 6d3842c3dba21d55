#include "recovery/overhead_sweeps.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kAbove = std::numeric_limits<double>::infinity();
// The steepest slope a brightness is read as (89.9 degrees from the view axis).
constexpr double kSteepest = 573.0;

// The slope size s with albedo R(s, 0) = E, by halving (R falls as the surface turns away from
// the source); 0 where the cell is as bright as the flat orientation or brighter.
double SlopeSize(const LawIntensity& intensityOf, double wanted) {
  if (!(wanted < intensityOf({0.0, 0.0}))) return 0.0;
  double low = 0.0, high = kSteepest;
  for (int halving = 0; halving < 60; ++halving) {
    const double middle = 0.5 * (low + high);
    (intensityOf({middle, 0.0}) > wanted ? low : high) = middle;
  }
  return 0.5 * (low + high);
}

// The height whose slope against the lower neighbours along the row (a) and the column (b),
// counted only where it rises above them, has the size s: ((z-a)+/dx)^2 + ((z-b)+/dy)^2 = s^2.
double RaisedHeight(double a, double b, double s, double dx, double dy) {
  const double alone = std::min(a + s * dx, b + s * dy);
  if (!(alone > std::max(a, b))) return alone;  // one direction rises (or both neighbours above)
  const double wa = 1.0 / (dx * dx), wb = 1.0 / (dy * dy);
  const double spread = (wa + wb) * s * s - wa * wb * (a - b) * (a - b);
  return (wa * a + wb * b + std::sqrt(std::max(0.0, spread))) / (wa + wb);
}

}  // namespace

OverheadSweeps::OverheadSweeps(const RecoveryImages& images, const LawIntensity& intensityOf,
                               double albedo, double shadowed, const std::vector<double>& start)
    : width_(images.width),
      height_(images.height),
      dx_(images.spacingX),
      dy_(images.spacingY),
      start_(start),
      sizes_(images.Cells(), std::numeric_limits<double>::quiet_NaN()) {
  const std::vector<double>& image = images.intensity.front();
  for (size_t cell = 0; cell < image.size(); ++cell) {
    if (image[cell] > shadowed) sizes_[cell] = SlopeSize(intensityOf, image[cell] / albedo);
  }
}

std::vector<double> OverheadSweeps::FirstHeights() const {
  std::vector<double> z(start_);
  for (size_t cell = 0; cell < z.size(); ++cell) {
    if (!std::isnan(sizes_[cell])) z[cell] = kAbove;
  }
  return z;
}

double OverheadSweeps::Solved(const std::vector<double>& z, int column, int row) const {
  const size_t cell = static_cast<size_t>(row) * width_ + column;
  // Beyond the grid, and in place of a cell left out, the neighbour's height is the start's here.
  const auto heightAt = [&](int atColumn, int atRow) {
    if (atColumn < 0 || atColumn >= width_ || atRow < 0 || atRow >= height_) return start_[cell];
    const size_t other = static_cast<size_t>(atRow) * width_ + atColumn;
    return std::isnan(sizes_[other]) ? start_[cell] : z[other];
  };
  const double a = std::min(heightAt(column - 1, row), heightAt(column + 1, row));
  const double b = std::min(heightAt(column, row - 1), heightAt(column, row + 1));
  return RaisedHeight(a, b, sizes_[cell], dx_, dy_);
}

double OverheadSweeps::Sweep(std::vector<double>& z) const {
  double largest = 0.0;
  for (const int fromRight : {0, 1}) {
    for (const int fromBottom : {0, 1}) {
      for (int r = 0; r < height_; ++r) {
        const int row = fromBottom ? height_ - 1 - r : r;
        for (int c = 0; c < width_; ++c) {
          const int column = fromRight ? width_ - 1 - c : c;
          const size_t cell = static_cast<size_t>(row) * width_ + column;
          if (std::isnan(sizes_[cell])) continue;
          const double solved = std::min(z[cell], Solved(z, column, row));
          // A cell's first height counts as the largest change there is.
          const bool first = z[cell] == kAbove && solved != kAbove;
          largest = std::max(largest, first ? kAbove : z[cell] - solved);
          z[cell] = solved;
        }
      }
    }
  }
  return largest;
}

void OverheadSweeps::Settle(std::vector<double>& z) const {
  for (size_t cell = 0; cell < z.size(); ++cell) {
    if (z[cell] == kAbove) z[cell] = start_[cell];
  }
}
