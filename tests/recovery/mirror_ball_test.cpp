// The lights from a mirror ball: the program's hemisphere under a chrome-like lobe (Blinn-Phong,
// all gloss, exponent 500), lit by three known sources, gives each source back within a degree,
// the ball's centre and radius taken from its outline. A normal read with y downwards, or the
// light taken as the normal itself instead of its reflection, misses by tens of degrees.

#include "recovery/mirror_ball.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/angles.h"
#include "model/startup_values.h"
#include "photometry/law_catalogue.h"
#include "recovery/recovery_images.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr int kSide = 128;

double DegreesApart(const LightAim& a, const LightAim& b) {
  const SourceDirection u = DirectionOf(a);
  const SourceDirection v = DirectionOf(b);
  const double dot = u.x * v.x + u.y * v.y + u.z * v.z;
  return std::acos(std::min(1.0, dot)) * kDegreesPerHalfTurn / kPi;
}

TEST(MirrorBall, ThreeKnownLightsComeBackWithinADegree) {
  RenderState chrome;
  ApplyStartupValues(chrome);
  chrome.reflectanceKind = kBlinnPhong;
  chrome.law = StartLawSettings(kBlinnPhong);
  chrome.law.parameters[kBlinnPhongS] = 1.0;
  chrome.law.parameters[kBlinnPhongN] = 500.0;
  const SurfaceKind& kind = *FindSurfaceKind("hemisphere");
  const SurfaceScene scene = MakeScene(MakeSurface(kind, kSide, kSide, StartValues(kind)));
  std::vector<char> inside(scene.field.z.size());
  for (size_t cell = 0; cell < inside.size(); ++cell) inside[cell] = scene.field.z[cell] > 0.0;
  const std::optional<MirrorBall> ball = BallOfMask(inside, kSide, kSide);
  ASSERT_TRUE(ball.has_value());
  const std::vector<LightAim> lights{{30.0, 20.0}, {45.0, 140.0}, {60.0, -100.0}};
  const RecoveryImages images = MakeRecoveryImages(chrome, scene, lights);
  for (size_t k = 0; k < lights.size(); ++k) {
    const std::optional<LightAim> found =
        LightOfHighlight(images.intensity[k], kSide, kSide, *ball);
    ASSERT_TRUE(found.has_value()) << k;
    EXPECT_LT(DegreesApart(*found, lights[k]), 1.0)
        << "light " << k << ": slant " << found->slantDegrees << " tilt " << found->tiltDegrees;
  }
}

}  // namespace
