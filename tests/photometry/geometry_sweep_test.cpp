// Sphere geometry over whole pictures: every sample under many rotations finds the disc and
// nothing outside it, and the fast surface-point search agrees with intersecting and selecting.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "photometry/pass_constants.h"
#include "photometry/sphere_geometry.h"
#include "test_state.h"

namespace {

// Samples over a 393 x 337 picture, with every quarter-pixel fraction, under rotations that
// include views a ten-thousandth of a degree past a right angle, where the line of sight loses
// its y component. No NaN may leave the geometry, every sample inside the outline must find the
// sphere, and none well outside it may.
TEST(GeometrySweep, FindsTheWholeDiscWithoutNaNUnderAnyRotation) {
  struct Rotation {
    double x, y, z;
  };
  const Rotation rotations[] = {
      {0, 0, 0},        {30, 0, 0},      {89.85, 0, 0},    {0, 0, 89.6},          {90.0001, 0, 0},
      {-90.0001, 0, 0}, {0, 0, 90.0001}, {0, 0, -90.0001}, {90.0001, 0, 45},      {90.0001, 30, 60},
      {0, 90, 0},       {180, 0, 0},     {45, 45, 45},     {90.0001, 0, 90.0001},
  };
  constexpr float kHalfWidth = 196.5F;
  constexpr float kHalfHeight = 168.5F;
  constexpr float kStep = 0.75F;  // passes through all four quarter-pixel fractions
  bool colourRule = false;
  for (const Rotation& r : rotations) {
    colourRule = !colourRule;
    const IntersectionRule rule =
        colourRule ? IntersectionRule::kReplaceZAboveOne : IntersectionRule::kPlain;
    RenderState state = StartupLikeState();
    state.halfSphere = 0;
    state.rotX = DegreesToRadians(r.x);
    state.rotY = DegreesToRadians(r.y);
    state.rotZ = DegreesToRadians(r.z);
    const PassConstants pass = MakePassConstants(state);
    int insideMissed = 0;
    int outsideFound = 0;
    int nanSeen = 0;
    for (float dx = -kHalfWidth; dx <= kHalfWidth; dx += kStep) {
      for (float dy = -kHalfHeight; dy <= kHalfHeight; dy += kStep) {
        state.dx = dx;
        state.dy = dy;
        const float radius = std::hypot(dx, dy);
        const std::optional<Point3> p = FindSurfacePoint(state, pass, rule);
        if (!p) {
          insideMissed += radius < 99.0F ? 1 : 0;
          continue;
        }
        outsideFound += radius > 101.0F ? 1 : 0;
        const float cosI = IncidenceCos(*p, state, pass.light.sourceLengthSquared);
        const bool anyNaN = std::isnan(p->x) || std::isnan(p->y) || std::isnan(p->z) ||
                            std::isnan(cosI) || std::isnan(IncidenceAngle(cosI)) ||
                            std::isnan(EmissionAngle(p->z));
        nanSeen += anyNaN ? 1 : 0;
      }
    }
    const std::string view = DescribeRotations(r.x, r.y, r.z);
    EXPECT_EQ(nanSeen, 0) << view;
    EXPECT_EQ(insideMissed, 0) << view;
    EXPECT_EQ(outsideFound, 0) << view;
    const bool nearRightAngle =
        std::fabs(std::fabs(r.x) - 90.0001) < 1e-9 || std::fabs(std::fabs(r.z) - 90.0001) < 1e-9;
    if (nearRightAngle && r.y == 0.0) {
      EXPECT_FALSE(pass.form.byDepth) << view << ": a view across y takes the y parametrisation";
    }
  }
}

// FindSurfacePoint forms only the parts of the two intersections that the choice reads; it must
// agree with IntersectUnitSphere followed by SelectSurfacePoint on every sample, for both rules
// and both half-sphere settings, including views that leave the line of sight without depth.
TEST(FindSurfacePoint, AgreesWithIntersectingAndSelecting) {
  struct View {
    double x, y, z;
  };
  // At 89.99 degrees about Ox the roundings put many intersections above z = 1.
  const View views[] = {{0, 0, 0},       {30, 0, 0},      {-45, 20, 135},
                        {90.0001, 0, 0}, {89.9, 0, 0},    {89.99, 0, 0},
                        {0, 0, 90.0001}, {180, 180, 180}, {120, -60, 10}};
  constexpr float kStep = 1.25F;  // passes through all four quarter-pixel fractions
  for (const View& v : views) {
    for (int16_t halfSphere : {int16_t{0}, int16_t{1}}) {
      for (IntersectionRule rule :
           {IntersectionRule::kPlain, IntersectionRule::kReplaceZAboveOne}) {
        RenderState state = StartupLikeState();
        state.rotX = DegreesToRadians(v.x);
        state.rotY = DegreesToRadians(v.y);
        state.rotZ = DegreesToRadians(v.z);
        state.halfSphere = halfSphere;
        const PassConstants pass = MakePassConstants(state);
        int mismatches = 0;
        int hits = 0;
        for (float dx = -110.0F; dx <= 110.0F; dx += kStep) {
          for (float dy = -110.0F; dy <= 110.0F; dy += kStep) {
            state.dx = dx;
            state.dy = dy;
            const std::optional<SphereHits> both = IntersectUnitSphere(
                RotateLineOfSight(MakeLineOfSight(dx, dy, state.pixelScale, pass.lineDepth), pass),
                rule, pass.form);
            const std::optional<Point3> want =
                both ? SelectSurfacePoint(*both, halfSphere) : std::nullopt;
            Point3 got{};
            const bool found = FindSurfacePoint(state, pass, rule, got);
            hits += found ? 1 : 0;
            if (found != want.has_value() || (found && !(got == *want))) ++mismatches;
          }
        }
        const std::string view = DescribeRotations(v.x, v.y, v.z) + ", half sphere " +
                                 std::to_string(halfSphere) + ", rule " +
                                 std::to_string(static_cast<int>(rule));
        EXPECT_EQ(mismatches, 0) << view;
        EXPECT_GT(hits, 1000) << view;
      }
    }
  }
}

}  // namespace
