#include "overlay/marching_squares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

SampleGrid GridOf(int width, int height, double (*field)(double x, double y)) {
  SampleGrid grid{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) grid.values.push_back(field(x, y));
  }
  return grid;
}

// Every vertex lies on a side between two samples, where their linear interpolation is the level.
TEST(TraceContours, EveryVertexInterpolatesToItsLevel) {
  const SampleGrid grid =
      GridOf(60, 45, [](double x, double y) { return std::sin(x / 7.0) * std::cos(y / 5.0); });
  for (const double level : {-0.5, 0.0, 0.3, 0.77}) {
    const std::vector<ContourLine> lines = TraceContours(grid, level);
    ASSERT_FALSE(lines.empty()) << level;
    for (const ContourLine& line : lines) {
      for (const PixelPoint& point : line) {
        const bool onRow = point.y == std::floor(point.y);
        const int x = static_cast<int>(std::floor(point.x));
        const int y = static_cast<int>(std::floor(point.y));
        const double t = onRow ? point.x - x : point.y - y;
        const double a = grid.At(x, y);
        const double b = onRow ? grid.At(std::min(x + 1, 59), y) : grid.At(x, std::min(y + 1, 44));
        EXPECT_NEAR(a + t * (b - a), level, 1e-9) << point.x << "," << point.y;
      }
    }
  }
}

// A bump inside the grid gives one closed line; a square touching a missing sample none.
TEST(TraceContours, ClosesLoopsAndStopsAtMissingSamples) {
  SampleGrid grid = GridOf(
      30, 30, [](double x, double y) { return 1.0 - std::hypot(x - 14.5, y - 15.2) / 10.0; });
  std::vector<ContourLine> lines = TraceContours(grid, 0.5);
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_GT(lines[0].size(), 20U);
  EXPECT_EQ(lines[0].front().x, lines[0].back().x);
  EXPECT_EQ(lines[0].front().y, lines[0].back().y);

  // A missing sample on the loop cuts it open, and no point comes near the sample.
  grid.values[static_cast<size_t>(15 * 30 + 20)] = std::numeric_limits<double>::quiet_NaN();
  lines = TraceContours(grid, 0.5);
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_FALSE(lines[0].front().x == lines[0].back().x && lines[0].front().y == lines[0].back().y);
  for (const PixelPoint& point : lines[0]) {
    EXPECT_FALSE(std::fabs(point.x - 20.0) < 1.0 && std::fabs(point.y - 15.0) < 1.0);
  }
}

// A saddle's two segments are chosen by the mean of its corners: they cut off the pair of
// corners on the other side of the level from the centre.
TEST(TraceContours, DecidesASaddleByTheMean) {
  struct Case {
    double high;               // the value at corners 0 and 2; corners 1 and 3 hold 0
    bool cutsOffCorners1And3;  // the centre lies with corners 0 and 2
  };
  for (const Case& c : {Case{1.0, true}, Case{0.6, false}}) {
    // Corners clockwise from the top left: (0,0)=high, (1,0)=0, (1,1)=high, (0,1)=0.
    const SampleGrid grid{2, 2, {c.high, 0.0, 0.0, c.high}};
    const std::vector<ContourLine> lines = TraceContours(grid, 0.4);
    ASSERT_EQ(lines.size(), 2U);
    for (const ContourLine& line : lines) {
      ASSERT_EQ(line.size(), 2U);
      // A segment round corner 1 (top right) or 3 (bottom left) has its middle off the diagonal
      // x = y; one round corner 0 or 2 has it on the diagonal.
      const double midX = (line[0].x + line[1].x) / 2.0;
      const double midY = (line[0].y + line[1].y) / 2.0;
      const bool roundCorner1Or3 = std::fabs(midX - midY) > 0.3;
      EXPECT_EQ(roundCorner1Or3, c.cutsOffCorners1And3) << c.high;
    }
  }
}

}  // namespace
