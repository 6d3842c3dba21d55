// Photometric stereo: for a matte surface the crossings of two isophotes are exactly the normals
// that fit both cosines (found in closed form), also at the right edge and where the curves run
// nearly parallel, and a third source keeps only the truth (half a pixel off counts as on it); for
// any law every crossing lies on both isophotes.

#include "gradient/isophote_crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figure_state.h"
#include "gradient/source_phi.h"

namespace {

constexpr int kWidth = 393;
constexpr int kHeight = 337;

// The unit normals n facing the observer with n.L1 = c1 and n.L2 = c2, as gradients: n = a L1 +
// b L2 + c (L1 x L2).
std::vector<Gradient> MatteSolutions(const LightAim& first, const LightAim& second, double c1,
                                     double c2) {
  const SourceDirection l1 = DirectionOf(first);
  const SourceDirection l2 = DirectionOf(second);
  const double d = l1.x * l2.x + l1.y * l2.y + l1.z * l2.z;
  const double a = (c1 - c2 * d) / (1.0 - d * d);
  const double b = (c2 - c1 * d) / (1.0 - d * d);
  const SourceDirection axis{l1.y * l2.z - l1.z * l2.y, l1.z * l2.x - l1.x * l2.z,
                             l1.x * l2.y - l1.y * l2.x};
  const double rest = 1.0 - (a * c1 + b * c2);
  std::vector<Gradient> solutions;
  if (rest < 0.0) return solutions;
  for (double c : {1.0, -1.0}) {
    c *= std::sqrt(rest / (axis.x * axis.x + axis.y * axis.y + axis.z * axis.z));
    const double nz = a * l1.z + b * l2.z + c * axis.z;
    if (nz > 0.0) {
      solutions.push_back(
          {-(a * l1.x + b * l2.x + c * axis.x) / nz, -(a * l1.y + b * l2.y + c * axis.y) / nz});
    }
  }
  return solutions;
}

struct StereoCase {
  LightAim first, second, third;
  Gradient through;
  GradientView view;
};
const StereoCase kCases[] = {
    {{30.0, 0.0}, {30.0, 90.0}, {30.0, 225.0}, {0.3, -0.2}, {}},
    {{20.0, 0.0}, {45.0, 120.0}, {40.0, -100.0}, {-0.8, 0.5}, {}},
    {{50.0, 0.0}, {35.0, -60.0}, {25.0, 150.0}, {0.1, 0.9}, {40.0, -30.0, 20.0}},
    {{10.0, 0.0}, {60.0, 160.0}, {45.0, 70.0}, {1.2, -1.0}, {35.0, 0.0, 0.0}},
    {{40.0, 30.0}, {40.0, 150.0}, {40.0, 270.0}, {-0.4, -0.6}, {120.0, 40.0, 60.0}},
    {{20.0, 0.0}, {35.0, 120.0}, {25.0, -110.0}, {-0.3, 0.25}, {150.0, -40.0, 40.0}},
};

std::string Where(const StereoCase& c) {
  return "second source " + std::to_string(c.second.slantDegrees) + "/" +
         std::to_string(c.second.tiltDegrees) + " through " + std::to_string(c.through.p) + "," +
         std::to_string(c.through.q);
}

TEST(IsophoteCrossings, MatteCrossingsAreTheNormalsThatFitBothCosines) {
  const RenderState state = FigureState(kMatte, 0.0);
  int ambiguous = 0;
  for (const StereoCase& c : kCases) {
    const std::vector<Gradient> crossings =
        IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
    ASSERT_FALSE(crossings.empty()) << Where(c);
    EXPECT_EQ(crossings.front().p, c.through.p) << Where(c);
    EXPECT_EQ(crossings.front().q, c.through.q) << Where(c);
    size_t expected = 0;
    for (const Gradient& solution :
         MatteSolutions(c.first, c.second, SourcePhi(state, c.first, c.through),
                        SourcePhi(state, c.second, c.through))) {
      const PixelPoint at = PixelOfGradient(c.view, kWidth, kHeight, solution);
      if (at.x < 2.0 || at.y < 2.0 || at.x > kWidth - 3.0 || at.y > kHeight - 3.0) continue;
      ++expected;
      double nearest = 1e9;
      for (const Gradient& found : crossings) {
        nearest = std::min(nearest, std::hypot(found.p - solution.p, found.q - solution.q));
      }
      EXPECT_LT(nearest * c.view.pixelsPerUnit, 0.1) << Where(c);
    }
    EXPECT_EQ(crossings.size(), expected) << Where(c);
    ambiguous += crossings.size() > 1 ? 1 : 0;
    // Three sources not in one plane fix the normal: only the truth is shared.
    const std::vector<Gradient> shared =
        CrossingsSharedBy(state, c.third, c.through, crossings, c.view);
    ASSERT_EQ(shared.size(), 1U) << Where(c);
    EXPECT_EQ(shared.front().p, c.through.p) << Where(c);
  }
  EXPECT_GE(ambiguous, 3);  // the table shows the ambiguity the third source removes
}

// The third source's isophote passes through a point at most half a pixel off it, and no
// further, at any scale: a looser tolerance would share crossings it only comes near.
TEST(IsophoteCrossings, OnTheThirdIsophoteMeansWithinHalfAPixel) {
  const RenderState state = FigureState(kMatte, 0.0);
  const LightAim third{30.0, 225.0};
  const Gradient through{0.3, -0.2};
  const SourcePhiField field(state, third);
  // The isophote's unit normal at `through`, from phi's slope.
  const double h = 1e-3;
  const double dp =
      field.FunctionPhi({through.p + h, through.q}) - field.FunctionPhi({through.p - h, through.q});
  const double dq =
      field.FunctionPhi({through.p, through.q + h}) - field.FunctionPhi({through.p, through.q - h});
  for (const GradientView view : {GradientView{}, GradientView{200.0, 0.0, 0.0}}) {
    for (const double pixels : {0.0, 0.45, -0.45, 0.55, -0.55}) {
      const double step = pixels / view.pixelsPerUnit / std::hypot(dp, dq);
      const Gradient point{through.p + step * dp, through.q + step * dq};
      EXPECT_EQ(OnIsophoteThrough(state, third, through, point, view), std::fabs(pixels) <= 0.5)
          << pixels << " px at " << view.pixelsPerUnit;
    }
  }
}

// A crossing in the last strip of columns, or right of the last column's centres, is found for
// an even width (a last strip one pixel wide) and an odd one. Both isophotes run steeply there,
// so that no other strip holds both.
TEST(IsophoteCrossings, FindsACrossingAtTheRightEdge) {
  const RenderState state = FigureState(kMatte, 0.0);
  const StereoCase c{{30.0, 120.0}, {30.0, 210.0}, {}, {0.02, 0.36}, {}};
  const std::vector<Gradient> solutions =
      MatteSolutions(c.first, c.second, SourcePhi(state, c.first, c.through),
                     SourcePhi(state, c.second, c.through));
  ASSERT_EQ(solutions.size(), 2U);
  const bool firstIsThrough =
      std::hypot(solutions[0].p - c.through.p, solutions[0].q - c.through.q) < 1e-6;
  const Gradient other = solutions[firstIsThrough ? 1 : 0];
  for (const int width : {392, 393}) {
    for (const double fromEdge : {1.3, 0.7}) {
      GradientView view = c.view;
      view.originX += width - fromEdge - PixelOfGradient(view, width, kHeight, other).x;
      const std::vector<Gradient> crossings =
          IsophoteCrossings(state, c.first, c.second, c.through, view, width, kHeight);
      ASSERT_EQ(crossings.size(), 2U) << width << " " << fromEdge;
      EXPECT_LT(std::hypot(crossings[1].p - other.p, crossings[1].q - other.q) * view.pixelsPerUnit,
                0.1)
          << width << " " << fromEdge;
    }
  }
}

// Sources a degree apart: their isophotes run together for many cells, each of which starts a
// search; every search, however far from a crossing it starts, must settle on one of the two.
TEST(IsophoteCrossings, NearlyParallelIsophotesCrossOnlyTwice) {
  const RenderState state = FigureState(kMatte, 0.0);
  const StereoCase c{{15.0, 12.0}, {16.0, 12.0}, {}, {-0.25, 1.25}, {100.0, 0.0, 0.0}};
  const std::vector<Gradient> crossings =
      IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
  const std::vector<Gradient> solutions =
      MatteSolutions(c.first, c.second, SourcePhi(state, c.first, c.through),
                     SourcePhi(state, c.second, c.through));
  ASSERT_EQ(solutions.size(), 2U);
  ASSERT_EQ(crossings.size(), 2U);
  // At so small an angle phi's 32-bit rounding moves a crossing by up to a pixel.
  for (const Gradient& solution : solutions) {
    double nearest = 1e9;
    for (const Gradient& found : crossings) {
      nearest = std::min(nearest, std::hypot(found.p - solution.p, found.q - solution.q));
    }
    EXPECT_LT(nearest * c.view.pixelsPerUnit, 1.5) << solution.p << "," << solution.q;
  }
}

// Every crossing lies on both isophotes, and every pixel square where both phi differences change
// sign (a brute-force search) lies within a few pixels of a crossing (curves that cross at a
// shallow angle share several squares).
TEST(IsophoteCrossings, EveryCrossingLiesOnBothIsophotesAndNoneIsMissed) {
  size_t found = 0;
  for (const RenderState& state :
       {FigureState(kGlossy, 0.0), FigureState(kHapke, 0.0), FormulaState("ci^2 * ce", 0.0)}) {
    for (const StereoCase& c : kCases) {
      const std::vector<Gradient> crossings =
          IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
      found += crossings.size();
      const SourcePhiField first(state, c.first);
      const SourcePhiField second(state, c.second);
      for (const Gradient& g : crossings) {
        for (const SourcePhiField* field : {&first, &second}) {
          EXPECT_NEAR(field->FunctionPhi(g), field->FunctionPhi(c.through), 1e-4)
              << Where(c) << " at " << g.p << "," << g.q;
        }
        EXPECT_TRUE(OnIsophoteThrough(state, c.first, c.through, g, c.view)) << Where(c);
        EXPECT_TRUE(OnIsophoteThrough(state, c.second, c.through, g, c.view)) << Where(c);
      }
      const auto signs = [&](const SourcePhiField& field, int x, int y) {
        const Gradient g = GradientAtPixel(c.view, kWidth, kHeight, x, y);
        return field.FunctionPhi(g) < field.FunctionPhi(c.through);
      };
      const auto changes = [&](const SourcePhiField& field, int x, int y) {
        const bool s = signs(field, x, y);
        return s != signs(field, x + 1, y) || s != signs(field, x, y + 1) ||
               s != signs(field, x + 1, y + 1);
      };
      for (int y = 0; y + 1 < kHeight; ++y) {
        for (int x = 0; x + 1 < kWidth; ++x) {
          if (!changes(first, x, y) || !changes(second, x, y)) continue;
          double nearest = 1e9;
          for (const Gradient& g : crossings) {
            const PixelPoint at = PixelOfGradient(c.view, kWidth, kHeight, g);
            nearest = std::min(nearest, std::hypot(at.x - x - 0.5, at.y - y - 0.5));
          }
          EXPECT_LT(nearest, 5.0) << Where(c) << " square at " << x << "," << y;
        }
      }
    }
  }
  EXPECT_GT(found, 3 * std::size(kCases));  // not only the pointed orientations
}

}  // namespace
