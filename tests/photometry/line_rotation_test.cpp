// Turning the line of sight: the pass skips the rotation only when all three angles are 0, so a
// view turned about a single axis, Oz included, is turned like any other.

#include <gtest/gtest.h>

#include <string>

#include "photometry/pass_constants.h"
#include "photometry/sphere_geometry.h"
#include "test_state.h"

namespace {

TEST(RotateLineOfSight, TurnsTheLineUnlessAllThreeAnglesAreZero) {
  struct View {
    double x, y, z;  // degrees
    bool turned;
  };
  const View views[] = {
      {0, 0, 0, false}, {0, 0, 90, true}, {0, 0, -30, true},  {0, 0, 0.5, true},
      {0, 45, 0, true}, {30, 0, 0, true}, {10, 20, 30, true},
  };
  const LineOfSight line = MakeLineOfSight(30.5F, -40.5F, 0.01F, 0.099999994F);
  for (const View& v : views) {
    RenderState state = StartupLikeState();
    state.rotX = DegreesToRadians(v.x);
    state.rotY = DegreesToRadians(v.y);
    state.rotZ = DegreesToRadians(v.z);
    const PassConstants pass = MakePassConstants(state);
    const LineOfSight turned = RotateLineOfSight(line, pass);
    const std::string view = DescribeRotations(v.x, v.y, v.z);
    EXPECT_EQ(turned.start, RotateObserver(line.start, pass)) << view;
    EXPECT_EQ(turned.end, RotateObserver(line.end, pass)) << view;
    EXPECT_EQ(!(turned.start == line.start), v.turned) << view;
  }
}

}  // namespace
