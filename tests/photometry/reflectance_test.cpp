// The reflectance functions and the upper bound on phi.

#include "photometry/reflectance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "photometry/light_source.h"
#include "photometry/photometric_constants.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(Reflectance, MatteRockyAndTheBound) {
  struct Case {
    const char* what;
    float phi;
    float expected;
  };
  const Case cases[] = {
      {"matte keeps a negative cosine", BoundAbove(MattePhi(-0.3F)), -0.3F},
      {"rocky at cosI = cosE", BoundAbove(RockyPhi(0.7F, 0.7F)), 1.0F},
      {"rocky 0.9 / 0.3 = 3 is bounded", BoundAbove(RockyPhi(0.9F, 0.3F)), 1.0F},
      {"rocky with a negative cosE changes sign", RockyPhi(0.5F, -0.5F), -1.0F},
      {"rocky at cosE = 0 is +inf, bounded", BoundAbove(RockyPhi(0.5F, 0.0F)), 1.0F},
      {"rocky at cosE = -0 is -inf", RockyPhi(0.5F, -0.0F), -kInf},
      {"phi = 1 stays 1", BoundAbove(1.0F), 1.0F},
      {"just above 1 becomes 1", BoundAbove(std::nextafter(1.0F, 2.0F)), 1.0F},
  };
  for (const Case& c : cases) EXPECT_EQ(c.phi, c.expected) << c.what;
  EXPECT_TRUE(std::isnan(RockyPhi(0.0F, 0.0F))) << "0 / 0 gives NaN, not a trap";
}

TEST(Reflectance, Glossy) {
  struct Case {
    const char* what;
    float cosI, cosE;
    double cosG, s, n;
    double expected;
  };
  const double cos60 = std::cos(60.0 * kPi / 180.0);
  const Case cases[] = {
      // t = 2 * 1 * 0.5 - 0 = 1: the exact mirror direction, 4.25 + 0.5 cosI before the bound.
      {"t = 1, start-up s and n", 1.0F, 0.5F, 0.0, 0.5, 16.0, 4.25 + 0.5},
      {"s = 0 is matte", 0.6F, 0.8F, cos60, 0.0, 16.0, 0.6F},
      {"s = 1 leaves only the lobe", 0.5F, 1.0F, 0.0, 1.0, 3.0, 1.0 * 4.0 / 2.0},
      {"s = 1 and t < 0 give 0", 0.1F, 0.2F, 0.5, 1.0, 16.0, 0.0},
      // t = 2 * 0.5 * 0.4 - 0.40000001 < 0: the lobe vanishes.
      {"t just below 0", 0.5F, 0.4F, 0.40000001, 0.5, 16.0, 0.25},
      {"t = 0 keeps the diffuse part", 0.5F, 0.4F, static_cast<double>(0.4F), 0.5, 16.0, 0.25},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GlossyPhi(c.cosI, c.cosE, c.cosG, c.s, c.n), static_cast<float>(c.expected))
        << c.what;
  }
  EXPECT_EQ(BoundAbove(GlossyPhi(1.0F, 0.5F, 0.0, 0.5, 16.0)), 1.0F);
}

TEST(Reflectance, GreyMirror) {
  struct Case {
    float angleI;
    double angleE;
    float angleG, tolerance;
    bool holds;
  };
  const Case cases[] = {
      {0.3F, 0.3, 0.6F, 0.02F, true},
      {0.3F, 0.35, 0.65F, 0.02F, false},    // |i - e| = 0.05 is not below 0.04
      {0.3F, 0.3, 0.65F, 0.02F, false},     // |g - (i + e)| = 0.05 is not below 0.02
      {0.3F, 0.33, 0.63F, 0.02F, true},     // |i - e| = 0.03 passes the grey 0.04
      {0.335F, 0.3, 0.635F, 0.02F, true},   // i above e by 0.035: within the grey 0.04
      {0.345F, 0.3, 0.645F, 0.02F, false},  // i above e by 0.045
      {0.3F, 0.3, 0.619F, 0.02F, true},
      {0.3F, 0.3, 0.621F, 0.02F, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GreyMirrorHolds(c.angleI, c.angleE, c.angleG, c.tolerance), c.holds)
        << "i " << c.angleI << " e " << c.angleE << " g " << c.angleG << " tol " << c.tolerance;
  }
  EXPECT_EQ(MirrorPhi(true, 0.006F), 1.0F);
  EXPECT_EQ(MirrorPhi(false, 0.006F), 0.006F);
}

TEST(Reflectance, ColourMirrorIsNarrowerAndFailsAtLargeSlants) {
  struct Case {
    const char* what;
    float angleI;
    double angleE;
    float angleG, tolerance;
    bool holds;
  };
  const float g90 = RadiansFromDegrees(90.0);
  const float g93 = RadiansFromDegrees(93.0);
  const Case cases[] = {
      {"a clean hit", 0.3F, 0.3, 0.6F, 0.02F, true},
      {"|i - e| = 0.033: within 0.04, not within 0.03", 0.3F, 0.333, 0.633F, 0.02F, false},
      {"|i - e| = 0.02", 0.3F, 0.32, 0.62F, 0.02F, true},
      {"i above e by 0.035: within 0.04, not within 0.03", 0.335F, 0.3, 0.635F, 0.02F, false},
      {"90 degrees: a margin of 0.0004 still admits i + e = g", g90 / 2, g90 / 2.0, g90, 0.0005F,
       true},
      {"93 degrees: the negative margin outweighs the tolerance", g93 / 2, g93 / 2.0, g93, 0.0005F,
       false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        ColourMirrorHolds(c.angleI, c.angleE, c.angleG, c.tolerance, MirrorSlantMargin(c.angleG)),
        c.holds)
        << c.what;
    // What the colour test admits, the grey test admits too.
    if (c.holds) {
      EXPECT_TRUE(GreyMirrorHolds(c.angleI, c.angleE, c.angleG, c.tolerance)) << c.what;
    }
  }
  EXPECT_NEAR(MirrorSlantMargin(0.0F), 0.04, 1e-15);
  EXPECT_NEAR(MirrorSlantMargin(g90), 0.0004, 1e-6);
}

}  // namespace
