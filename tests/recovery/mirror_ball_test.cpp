// The lights from a mirror ball: the program's hemisphere under a chrome-like lobe (Blinn-Phong,
// all gloss, exponent 500), lit by three known sources, gives each source back within a degree,
// the ball's centre and radius taken from its outline; so does a dim shot (the highlight's
// threshold is a share of the brightest cell, not of 1) and a ball away from the picture's centre
// (a cell read from the wrong column goes unseen on a ball that is its own mirror image). A normal
// read with y downwards, or the light taken as the normal itself instead of its reflection, misses
// by tens of degrees.

#include "recovery/mirror_ball.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>
#include <vector>

#include "chrome_ball.h"
#include "model/angles.h"

namespace {

constexpr int kSide = 128;

double DegreesApart(const LightAim& a, const LightAim& b) {
  const SourceDirection u = DirectionOf(a);
  const SourceDirection v = DirectionOf(b);
  const double dot = u.x * v.x + u.y * v.y + u.z * v.z;
  return std::acos(std::min(1.0, dot)) * kDegreesPerHalfTurn / kPi;
}

// The same ball as photographed: `gain` times as bright, `pad` black columns to its right (a ball
// off the picture's centre), and with `gloss` of its light reflected as a mirror's (the rest
// matte, a glow the highlight's threshold must leave out).
struct Shot {
  const char* name;
  double gain;
  int pad;
  double gloss;
};

TEST(MirrorBall, ThreeKnownLightsComeBackWithinADegree) {
  const std::vector<LightAim> lights{{30.0, 20.0}, {45.0, 140.0}, {60.0, -100.0}};
  // A dim shot's highlight is far below 1; a ball off the centre is not its own mirror image.
  for (const Shot& shot : {Shot{"as rendered", 1.0, 0, 1.0}, Shot{"dim", 0.25, 0, 1.0},
                           Shot{"off the centre, with a glow", 1.0, kSide / 2, 0.9}}) {
    const ChromeBall chrome = MakeChromeBall(lights, kSide, shot.gloss);
    const SurfaceScene& scene = chrome.scene;
    const RecoveryImages& images = chrome.images;
    const int width = kSide + shot.pad;
    const auto padded = [&](const auto& cells, auto blank) {
      std::vector<std::decay_t<decltype(cells[0])>> out(static_cast<size_t>(width) * kSide, blank);
      for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
          out[static_cast<size_t>(row) * width + column] =
              cells[static_cast<size_t>(row) * kSide + column];
        }
      }
      return out;
    };
    std::vector<char> inside(scene.field.z.size());
    for (size_t cell = 0; cell < inside.size(); ++cell) inside[cell] = scene.field.z[cell] > 0.0;
    const std::optional<MirrorBall> ball = BallOfMask(padded(inside, char{0}), width, kSide);
    ASSERT_TRUE(ball.has_value()) << shot.name;
    for (size_t k = 0; k < lights.size(); ++k) {
      std::vector<double> image = padded(images.intensity[k], 0.0);
      for (double& value : image) value *= shot.gain;
      const std::optional<LightAim> found = LightOfHighlight(image, width, kSide, *ball);
      ASSERT_TRUE(found.has_value()) << shot.name << ", light " << k;
      EXPECT_LT(DegreesApart(*found, lights[k]), 1.0)
          << shot.name << ", light " << k << ": slant " << found->slantDegrees << " tilt "
          << found->tiltDegrees;
    }
  }
}

}  // namespace
