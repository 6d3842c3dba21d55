// Sphere geometry: rotations, the intersection of the line of sight with the unit sphere, the
// choice of the visible point and the incidence and emission angles.

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

constexpr double kNear = 1e-6;
constexpr IntersectionForm kByDepth{};

PassConstants RotationPass(double degX, double degY, double degZ) {
  RenderState state = StartupLikeState();
  state.rotX = DegreesToRadians(degX);
  state.rotY = DegreesToRadians(degY);
  state.rotZ = DegreesToRadians(degZ);
  return MakePassConstants(state);
}

TEST(AngleFromCos, GivesSignedAnglesAndARightAngleAtZero) {
  struct Case {
    float cosine;
    float angle;
  };
  const Case cases[] = {
      {1.0F, 0.0F},        {-0.5F, -1.0471976F},  // -pi/3, not 2 pi/3
      {0.5F, 1.0471976F},  {0.0F, 1.5707951F},    // the program's pi / 2
      {-0.0F, 1.5707951F},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IncidenceAngle(c.cosine), c.angle) << "cosI = " << c.cosine;
  }
}

TEST(Emission, AZBeyondUnitLooksStraightAtTheObserver) {
  struct Case {
    float z;
    float cosE;
    double angleE;
  };
  const float justAbove = std::nextafter(1.0F, 2.0F);
  const Case cases[] = {
      {justAbove, 1.0F, 0.0},
      {-justAbove, 1.0F, 0.0},
      {1.0F, 1.0F, 0.0},
      {-1.0F, -1.0F, -0.0},
      {0.0F, 0.0F, static_cast<double>(1.5707951F)},
      {-0.5F, -0.5F, -std::acos(0.5)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EmissionCos(c.z), c.cosE) << "z = " << c.z;
    EXPECT_NEAR(EmissionAngle(c.z), c.angleE, 1e-12) << "z = " << c.z;
  }
}

TEST(RotateObserver, TurnsRightHandedInTheOrderXThenYThenZ) {
  struct Case {
    double degX, degY, degZ;
    Point3 in;
    Point3 out;
  };
  const Case cases[] = {
      {90, 0, 0, {0, 1, 0}, {0, 0, 1}},
      {0, 90, 0, {0, 0, 1}, {1, 0, 0}},
      {0, 0, 90, {1, 0, 0}, {0, 1, 0}},
      // Rx first, then Rz: (0,0,1) -> (0,-1,0) -> (1,0,0). The other order would give (0,-1,0).
      {90, 0, 90, {0, 0, 1}, {1, 0, 0}},
      {30, 0, 0, {0, 1, 0}, {0, 0.8660254F, 0.5F}},
  };
  for (const Case& c : cases) {
    const Point3 p = RotateObserver(c.in, RotationPass(c.degX, c.degY, c.degZ));
    const std::string where = DescribeRotations(c.degX, c.degY, c.degZ);
    EXPECT_NEAR(p.x, c.out.x, 1e-5) << where;
    EXPECT_NEAR(p.y, c.out.y, 1e-5) << where;
    EXPECT_NEAR(p.z, c.out.z, 1e-5) << where;
  }
}

TEST(IntersectUnitSphere, WithoutRotationLooksAlongY) {
  const PassConstants pass = RotationPass(0, 0, 0);
  EXPECT_EQ(pass.lineDepth, 0.099999994F);
  struct Case {
    float dx, dy;
  };
  const Case cases[] = {{0, 0}, {30, 40}, {-70, 50}, {99, -5}, {-12.25F, -60.75F}};
  for (const Case& c : cases) {
    const LineOfSight line =
        RotateLineOfSight(MakeLineOfSight(c.dx, c.dy, 0.01F, pass.lineDepth), pass);
    const std::optional<SphereHits> hits =
        IntersectUnitSphere(line, IntersectionRule::kPlain, kByDepth);
    ASSERT_TRUE(hits) << "dx " << c.dx << " dy " << c.dy;
    const float x = c.dx * 0.01F;
    const float z = c.dy * 0.01F;
    const double depth = std::sqrt(1.0 - double(x) * x - double(z) * z);
    EXPECT_EQ(hits->hitPlus.x, x);
    EXPECT_EQ(hits->hitPlus.z, z);
    EXPECT_EQ(hits->hitMinus.z, z);
    EXPECT_NEAR(hits->hitPlus.y, depth, kNear) << "dx " << c.dx << " dy " << c.dy;
    EXPECT_NEAR(hits->hitMinus.y, -depth, kNear) << "dx " << c.dx << " dy " << c.dy;
  }
}

TEST(IntersectUnitSphere, MissesOutsideTheOutlineAndTouchesOnIt) {
  const PassConstants pass = RotationPass(0, 0, 0);
  const auto hitsAt = [&](float dx, float dy) {
    return IntersectUnitSphere(MakeLineOfSight(dx, dy, 0.01F, pass.lineDepth),
                               IntersectionRule::kPlain, pass.form);
  };
  EXPECT_FALSE(hitsAt(100.5F, 0));
  EXPECT_FALSE(hitsAt(71, 71));
  const std::optional<SphereHits> touch = hitsAt(100, 0);  // x = 1 exactly: discriminant 0
  ASSERT_TRUE(touch);
  EXPECT_EQ(touch->hitPlus, touch->hitMinus);
  EXPECT_EQ(touch->hitPlus, (Point3{1.0F, 0.0F, 0.0F}));
}

TEST(IntersectUnitSphere, ColourRuleReplacesAZAboveOneByTheStartsZ) {
  // A line nearly perpendicular to y (a view about 86 degrees from the default), where the
  // roundings of the y parametrisation put hitPlus above the top of the sphere.
  const LineOfSight line{{-0.0252418686F, 0.308408737F, -0.111229017F},
                         {-0.0800320283F, 0.308446854F, 0.0811197087F}};
  const std::optional<SphereHits> plain =
      IntersectUnitSphere(line, IntersectionRule::kPlain, kByDepth);
  const std::optional<SphereHits> replaced =
      IntersectUnitSphere(line, IntersectionRule::kReplaceZAboveOne, kByDepth);
  ASSERT_TRUE(plain);
  ASSERT_TRUE(replaced);
  for (auto member : {&SphereHits::hitPlus, &SphereHits::hitMinus}) {
    const Point3 before = (*plain).*member;
    const Point3 after = (*replaced).*member;
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(after.z, before.z > 1.0F ? line.start.z : before.z);
  }
  EXPECT_GT(plain->hitPlus.z, 1.0F) << "the line no longer exercises the replacement";
}

TEST(SelectSurfacePoint, HalfSphereShowsOnlyTheUpperHalf) {
  struct Case {
    float zPlus, zMinus;
    int16_t halfSphere;
    int expected;  // 0 background, 1 hitPlus, 2 hitMinus
  };
  const Case cases[] = {
      {0.5F, 0.2F, 1, 1},  {-0.1F, 0.2F, 1, 2},  {-0.1F, -0.2F, 1, 0}, {0.0F, -0.2F, 1, 1},
      {-0.1F, 0.0F, 1, 2}, {-0.1F, -0.2F, 0, 1}, {-0.5F, 0.5F, 0, 1},
  };
  for (const Case& c : cases) {
    const SphereHits hits{{0.1F, 0.2F, c.zPlus}, {0.3F, 0.4F, c.zMinus}};
    const std::optional<Point3> p = SelectSurfacePoint(hits, c.halfSphere);
    const int got = !p ? 0 : (*p == hits.hitPlus ? 1 : 2);
    EXPECT_EQ(got, c.expected) << "zPlus " << c.zPlus << " zMinus " << c.zMinus << " halfSphere "
                               << c.halfSphere;
  }
}

TEST(FindSurfacePoint, WithoutRotationTheHalfSphereIsTheUpperHalfDisc) {
  RenderState state = StartupLikeState();
  const PassConstants pass = MakePassConstants(state);
  for (float dy = -99.5F; dy <= 99.5F; dy += 0.5F) {
    state.dx = 0.0F;
    state.dy = dy;
    EXPECT_EQ(FindSurfacePoint(state, pass, IntersectionRule::kPlain).has_value(), dy >= 0.0F)
        << "dy " << dy;
  }
}

TEST(IntersectAlongLine, AgreesWithTheDepthParametrisation) {
  // Lines the y parametrisation handles well, solved both ways; with plusNearerStart set as the
  // view's direction sets it, the two forms name the same intersection hitPlus.
  const LineOfSight lines[] = {
      {{0.2F, 0.1F, 0.3F}, {0.2F, -0.1F, 0.3F}},
      {{0.1F, -0.05F, 0.2F}, {-0.1F, 0.1F, 0.25F}},
      {{0.5F, 0.3F, -0.2F}, {-0.4F, -0.3F, 0.1F}},
      {{-0.3F, 0.6F, 0.0F}, {0.3F, 0.2F, 0.9F}},
  };
  for (const LineOfSight& line : lines) {
    const std::optional<SphereHits> byDepth =
        IntersectUnitSphere(line, IntersectionRule::kPlain, kByDepth);
    const bool towardsMinusY = LineDirection(line).y < 0.0F;
    const std::optional<SphereHits> alongLine = IntersectAlongLine(line, towardsMinusY);
    ASSERT_TRUE(byDepth && alongLine);
    for (auto [got, want] : {std::pair{alongLine->hitPlus, byDepth->hitPlus},
                             std::pair{alongLine->hitMinus, byDepth->hitMinus}}) {
      EXPECT_NEAR(got.x, want.x, kNear) << "start x " << line.start.x;
      EXPECT_NEAR(got.y, want.y, kNear) << "start x " << line.start.x;
      EXPECT_NEAR(got.z, want.z, kNear) << "start x " << line.start.x;
    }
  }
  // A line of no direction meets nothing; a line through the centre meets it at +-1.
  EXPECT_FALSE(IntersectAlongLine({{0.1F, 0.2F, 0.3F}, {0.1F, 0.2F, 0.3F}}, true));
  const std::optional<SphereHits> through = IntersectAlongLine({{0, 0, 0}, {0, 0, 0.5F}}, true);
  ASSERT_TRUE(through);
  EXPECT_EQ(through->hitPlus, (Point3{0, 0, -1.0F}));
  EXPECT_EQ(through->hitMinus, (Point3{0, 0, 1.0F}));
}

}  // namespace
