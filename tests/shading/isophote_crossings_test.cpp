// Photometric stereo: the crossings of two isophotes lie on both, for a matte surface they are
// exactly the normals that fit both cosines (found in closed form), a third source keeps only
// the true orientation, and the lit-by-all hatch covers only orientations every source lights.

#include "shading/isophote_crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figure_state.h"
#include "model/image_buffer.h"
#include "shading/lit_by_all.h"
#include "shading/source_phi.h"

namespace {

constexpr int kWidth = 393;
constexpr int kHeight = 337;

struct Vec {
  double x, y, z;
};
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec DirectionVec(const LightAim& source) {
  const SourceDirection d = DirectionOf(source);
  return {d.x, d.y, d.z};
}

// The unit normals n with n.L1 = c1 and n.L2 = c2 that face the observer, as gradients.
std::vector<Gradient> MatteSolutions(const LightAim& first, const LightAim& second, double c1,
                                     double c2) {
  const Vec l1 = DirectionVec(first);
  const Vec l2 = DirectionVec(second);
  const double d = Dot(l1, l2);
  const double alpha = (c1 - c2 * d) / (1.0 - d * d);
  const double beta = (c2 - c1 * d) / (1.0 - d * d);
  const Vec axis = Cross(l1, l2);
  const double rest = 1.0 - (alpha * c1 + beta * c2);
  std::vector<Gradient> solutions;
  if (rest < 0.0) return solutions;
  const double gamma = std::sqrt(rest / Dot(axis, axis));
  for (double sign : {1.0, -1.0}) {
    const Vec n{alpha * l1.x + beta * l2.x + sign * gamma * axis.x,
                alpha * l1.y + beta * l2.y + sign * gamma * axis.y,
                alpha * l1.z + beta * l2.z + sign * gamma * axis.z};
    if (n.z > 0.0) solutions.push_back({-n.x / n.z, -n.y / n.z});
  }
  return solutions;
}

bool InView(const GradientView& view, Gradient g) {
  const PixelPoint at = PixelOfGradient(view, kWidth, kHeight, g);
  // Clear of the edges, where a crossing may sit just outside the grid.
  return at.x > 2.0 && at.y > 2.0 && at.x < kWidth - 3.0 && at.y < kHeight - 3.0;
}

double PixelDistance(const GradientView& view, Gradient a, Gradient b) {
  return std::hypot(a.p - b.p, a.q - b.q) * view.pixelsPerUnit;
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
    {{10.0, 0.0}, {60.0, 180.0}, {45.0, 70.0}, {1.2, -1.0}, {35.0, 0.0, 0.0}},
    {{40.0, 30.0}, {40.0, 150.0}, {40.0, 270.0}, {-0.4, -0.6}, {120.0, 40.0, 60.0}},
};

std::string Where(const StereoCase& c) {
  return "sources " + std::to_string(c.first.slantDegrees) + "/" +
         std::to_string(c.first.tiltDegrees) + " and " + std::to_string(c.second.slantDegrees) +
         "/" + std::to_string(c.second.tiltDegrees) + " through " + std::to_string(c.through.p) +
         "," + std::to_string(c.through.q);
}

TEST(IsophoteCrossings, MatteCrossingsAreTheNormalsThatFitBothCosines) {
  const RenderState state = FigureState(kMatte, 0.0);
  for (const StereoCase& c : kCases) {
    const std::vector<Gradient> crossings =
        IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
    ASSERT_FALSE(crossings.empty()) << Where(c);
    EXPECT_EQ(crossings.front().p, c.through.p) << Where(c);
    EXPECT_EQ(crossings.front().q, c.through.q) << Where(c);
    const double c1 = SourcePhiField(state, c.first).FunctionPhi(c.through);
    const double c2 = SourcePhiField(state, c.second).FunctionPhi(c.through);
    size_t expected = 0;
    for (const Gradient& solution : MatteSolutions(c.first, c.second, c1, c2)) {
      if (!InView(c.view, solution)) continue;
      ++expected;
      double nearest = 1e9;
      for (const Gradient& found : crossings) {
        nearest = std::min(nearest, PixelDistance(c.view, found, solution));
      }
      EXPECT_LT(nearest, 0.1) << Where(c) << ": solution " << solution.p << "," << solution.q;
    }
    EXPECT_EQ(crossings.size(), expected) << Where(c);
    EXPECT_GE(expected, 1U) << Where(c);  // the truth is one of the solutions
  }
}

TEST(IsophoteCrossings, EveryCrossingLiesOnBothIsophotes) {
  const RenderState states[] = {FigureState(kMatte, 0.0), FigureState(kGlossy, 0.0),
                                FigureState(kHapke, 0.0), FormulaState("ci^2 * ce", 0.0)};
  for (const RenderState& state : states) {
    for (const StereoCase& c : kCases) {
      const std::vector<Gradient> crossings =
          IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
      const SourcePhiField first(state, c.first);
      const SourcePhiField second(state, c.second);
      for (const Gradient& g : crossings) {
        const std::string where = "kind " + std::to_string(state.reflectanceKind) + " " + Where(c) +
                                  " crossing " + std::to_string(g.p) + "," + std::to_string(g.q);
        EXPECT_TRUE(OnIsophoteThrough(state, c.first, c.through, g, c.view)) << where;
        EXPECT_TRUE(OnIsophoteThrough(state, c.second, c.through, g, c.view)) << where;
        EXPECT_NEAR(first.FunctionPhi(g), first.FunctionPhi(c.through), 1e-4) << where;
        EXPECT_NEAR(second.FunctionPhi(g), second.FunctionPhi(c.through), 1e-4) << where;
      }
    }
  }
}

// Three sources not in one plane fix the normal: of the crossings, only the truth is shared.
TEST(IsophoteCrossings, ThirdSourceKeepsOnlyTheTruth) {
  const RenderState state = FigureState(kMatte, 0.0);
  int ambiguous = 0;
  for (const StereoCase& c : kCases) {
    const std::vector<Gradient> crossings =
        IsophoteCrossings(state, c.first, c.second, c.through, c.view, kWidth, kHeight);
    ambiguous += crossings.size() > 1 ? 1 : 0;
    const std::vector<Gradient> shared =
        CrossingsSharedBy(state, c.third, c.through, crossings, c.view);
    ASSERT_EQ(shared.size(), 1U) << Where(c);
    EXPECT_LT(PixelDistance(c.view, shared.front(), c.through), 1e-9) << Where(c);
  }
  EXPECT_GE(ambiguous, 3);  // the table shows the ambiguity the third source removes
}

// The hatch's pixels are those where every source has cos i > 0, cos i formed in 64-bit from
// the turned directions (orientations within 1e-6 of a shadow line are not judged).
TEST(LitByAll, HatchCoversExactlyWhatEverySourceLights) {
  constexpr Rgb kHatch{200, 200, 200};
  const RenderState state = FigureState(kGlossy, 35.0);
  for (const StereoCase& c : kCases) {
    const std::vector<LightAim> sources{DescribedSource(state), c.second, c.third};
    ImageBuffer picture(kWidth, kHeight);
    ShadeLitByAll(picture, c.view, state, sources, kHatch);
    int hatched = 0;
    int faults = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool onHatch = (x + y) % kLitHatchSpacing == 0;
        const Gradient g = GradientAtPixel(c.view, kWidth, kHeight, x, y);
        double least = 1e9;
        for (const LightAim& source : sources) {
          const Vec l = DirectionVec(source);
          least = std::min(least, (-g.p * l.x - g.q * l.y + l.z) / std::hypot(1.0, g.p, g.q));
        }
        const bool painted = picture.At(x, y) == kHatch;
        hatched += painted ? 1 : 0;
        if (std::fabs(least) < 1e-6) continue;
        faults += painted == (onHatch && least > 0.0) ? 0 : 1;
      }
    }
    EXPECT_EQ(faults, 0) << Where(c);
    EXPECT_GT(hatched, 100) << Where(c);
  }
}

}  // namespace
