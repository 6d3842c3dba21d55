// cos i: the cosine of the angle between the surface normal and the source vector, whatever the
// lengths of the two vectors. The slant's sine and cosine stored as floats make |S| differ from 1
// only in the last digits, so lengths far from 1 are what show a wrong normalisation.

#include <gtest/gtest.h>

#include <cmath>

#include "photometry/pass_constants.h"
#include "photometry/sphere_geometry.h"
#include "test_state.h"

namespace {

TEST(IncidenceCos, IsTheCosineWhateverTheLengthOfTheSourceVector) {
  struct Case {
    const char* what;
    Point3 source;  // sourceX, sourceY, sourceZ
    Point3 point;
    double cosI;
  };
  const Case cases[] = {
      {"source twice unit length, along the normal", {0, 0, 2}, {0, 0, 1}, 1.0},
      {"source of length 5 at 60 degrees", {0, 4.330127F, 2.5F}, {0, 0, 1}, 0.5},
      {"source of length 0.5, opposite", {0, -0.5F, 0}, {0, 1, 0}, -1.0},
      {"source of length 3 and a point off the unit sphere", {3, 0, 0}, {1.2F, 0, 1.6F}, 0.6},
      {"unit source, perpendicular", {0, 1, 0}, {1, 0, 0}, 0.0},
  };
  for (const Case& c : cases) {
    RenderState state = StartupLikeState();
    state.sourceX = c.source.x;
    state.sourceY = c.source.y;
    state.sourceZ = c.source.z;
    const PassConstants pass = MakePassConstants(state);
    EXPECT_NEAR(IncidenceCos(c.point, state, pass.light.sourceLengthSquared), c.cosI, 1e-6)
        << c.what;
  }
}

}  // namespace
