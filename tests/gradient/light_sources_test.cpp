// The figure's sources: the described one is the pass's and reads the map's phi bit for bit, S
// and the shadow line lie where the convention N = (-p, -q, 1) puts them, and a tilt turns the
// source about the view axis.

#include "gradient/light_sources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figure_state.h"
#include "gradient/figure_marks.h"
#include "gradient/gradient_readout.h"
#include "gradient/source_phi.h"
#include "pass/readout.h"

namespace {

// The described source reads the map bit for bit; an untilted extra source reads the map of a
// pass at its slant (the mirror's tolerance chosen for that slant); the readout gives each
// source's own phi, not the value the colouring clips.
TEST(LightSources, DescribedSourceReadsTheMapsPhi) {
  for (double slant : {0.0, -50.0, 89.9, 135.0, 12345.678}) {
    const RenderState state = FigureState(kMatte, slant);
    EXPECT_EQ(SlantRadians(DescribedSource(state)), state.sourceSlant) << slant;
  }
  const RenderState kStates[] = {FigureState(kMatte, 30.0),      FigureState(kGlossy, -50.0),
                                 FigureState(kRocky, 20.0),      FigureState(kMirror, 40.0),
                                 FigureState(kHapke, 70.0),      FigureState(kCookTorrance, 25.0),
                                 FormulaState("ci^2 * ce", 35.0)};
  const GradientView view{93.0, 12.5, -40.0};
  const LightAim extra{5.0, 0.0};
  int clipped = 0;
  for (const RenderState& state : kStates) {
    const SourcePhiField field(state, DescribedSource(state));
    const SourcePhiField extraField(state, extra);
    RenderState atExtra = state;
    AimLightSource(atExtra, SlantRadians(extra));
    if (state.reflectanceKind == kMirror) {
      atExtra.mirrorTolerance = MirrorToleranceForSlant(atExtra.sourceSlant);
    }
    int faults = 0;
    for (int y = 0; y < 200; y += 3) {
      for (int x = 0; x < 260; x += 3) {
        const SampleReading map = GradientReadoutAtPixel(state, 260, 200, x, y, view)->reading;
        const SampleReading read = field.Read(GradientAtPixel(view, 260, 200, x, y));
        const auto same = [](float a, float b) { return a == b || (a != a && b != b); };
        faults += same(read.phi, map.phi) && same(read.functionPhi, map.functionPhi) ? 0 : 1;
        const SampleReading extraMap =
            GradientReadoutAtPixel(atExtra, 260, 200, x, y, view)->reading;
        const SampleReading extraRead = extraField.Read(GradientAtPixel(view, 260, 200, x, y));
        faults += same(extraRead.phi, extraMap.phi) ? 0 : 1;
        const std::vector<float> phis =
            SourcePhisAtPixel(state, {DescribedSource(state), extra}, view, 260, 200, x, y);
        faults += same(phis[0], map.functionPhi) && same(phis[1], extraMap.functionPhi) ? 0 : 1;
        clipped += same(extraMap.phi, extraMap.functionPhi) ? 0 : 1;
      }
    }
    EXPECT_EQ(faults, 0) << "kind " << state.reflectanceKind;
  }
  EXPECT_GT(clipped, 0);  // somewhere the colouring's phi is not the function's
}

// S = (-sx, -sy) / sz, turned anticlockwise on the map (p right, q up) by a positive tilt; in a
// 400 x 300 map at 50 pixels a unit it lies 50 tan(slant) pixels from (200, 150). The matte phi is
// cos i = N.L with L = (-sin s sin t, sin s cos t, cos s): 1 at S.
TEST(LightSources, SourcePointAndTiltFollowTheConvention) {
  const struct {
    double slant, tilt;
    int x, y;
  } kRows[] = {{45.0, 0.0, 200, 200},   {45.0, 90.0, 250, 150},  {45.0, 180.0, 200, 100},
               {30.0, 0.0, 200, 179},   {-30.0, 90.0, 171, 150}, {0.0, 60.0, 200, 150},
               {50.0, -135.0, 158, 108}};
  const RenderState state = FigureState(kMatte, 0.0);
  for (const auto& row : kRows) {
    const std::string where = std::to_string(row.slant) + "/" + std::to_string(row.tilt);
    const LightAim source{row.slant, row.tilt};
    const PixelPoint at = *SourcePixel(GradientView{}, 400, 300, source);
    EXPECT_NEAR(at.x, row.x, 0.5) << where;
    EXPECT_NEAR(at.y, row.y, 0.5) << where;
    EXPECT_NEAR(SourcePhi(state, source, *SourcePoint(source)), 1.0, 1e-6) << where;
    const double s = row.slant * kPi / 180.0;
    const double t = row.tilt * kPi / 180.0;
    const SourcePhiField field(state, source);
    for (double p : {-1.5, 0.0, 0.7}) {
      for (double q : {-0.9, 0.4, 2.0}) {
        const double cosI =
            (p * std::sin(s) * std::sin(t) - q * std::sin(s) * std::cos(t) + std::cos(s)) /
            std::sqrt(1.0 + p * p + q * q);
        EXPECT_NEAR(field.FunctionPhi({p, q}), cosI, 2e-6) << where << " at " << p << "," << q;
      }
    }
  }
  EXPECT_FALSE(SourcePixel(GradientView{}, 400, 300, {90.0, 0.0}));
  EXPECT_FALSE(SourcePoint({120.0, 30.0}));
  EXPECT_FALSE(ShadowLine({0.0, 45.0}));
}

// The shadow line's segment runs from edge to edge of the picture, and cos i changes sign
// within half a pixel of every point along it.
TEST(LightSources, ShadowLineRunsWhereCosIIsZero) {
  const RenderState state = FigureState(kMatte, 0.0);
  const auto onEdge = [](PixelPoint a) {
    return std::fabs(a.x + 0.5) < 1e-9 || std::fabs(a.x - 299.5) < 1e-9 ||
           std::fabs(a.y + 0.5) < 1e-9 || std::fabs(a.y - 239.5) < 1e-9;
  };
  for (const GradientView view : {GradientView{}, GradientView{80.0, 30.0, -20.0}}) {
    for (const LightAim source : {LightAim{60.0, 0.0}, LightAim{40.0, 30.0}, LightAim{-80, 75}}) {
      const std::optional<PixelSegment> segment = ShadowSegment(view, 300, 240, source);
      ASSERT_TRUE(segment) << source.tiltDegrees;
      EXPECT_TRUE(onEdge(segment->from) && onEdge(segment->to)) << source.tiltDegrees;
      const double length =
          std::hypot(segment->to.x - segment->from.x, segment->to.y - segment->from.y);
      EXPECT_GT(length, 100.0) << source.tiltDegrees;
      const auto lit = [&](double x, double y) {
        return SourcePhi(state, source, GradientAtPixel(view, 300, 240, x, y)) >= 0.0F;
      };
      int faults = 0;
      for (double t = 0.0; t <= 1.0; t += 1.0 / length) {
        const double x = segment->from.x + t * (segment->to.x - segment->from.x);
        const double y = segment->from.y + t * (segment->to.y - segment->from.y);
        const double nx = -(segment->to.y - segment->from.y) / length * 0.5;
        const double ny = (segment->to.x - segment->from.x) / length * 0.5;
        faults += lit(x + nx, y + ny) != lit(x - nx, y - ny) ? 0 : 1;
      }
      EXPECT_EQ(faults, 0) << source.tiltDegrees;
    }
  }
  // A line that misses the picture, and no line at all, give no segment.
  EXPECT_FALSE(SegmentInPicture({1.0, 0.0, 10.0}, 300, 240));
  EXPECT_FALSE(SegmentInPicture({0.0, 0.0, 1.0}, 300, 240));
  EXPECT_FALSE(ShadowSegment(GradientView{}, 300, 240, {0.0, 45.0}));
}

}  // namespace
