// Fixed views pinned to the exact pictures the program paints: samples where a rounding decides
// the colour, and whole pictures at slants whose source vector is 1 long only up to its last
// digits. A change in any formula's roundings shows here even when every property test holds.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>

#include "model/startup_values.h"
#include "photometry/pass_constants.h"
#include "photometry/sphere_geometry.h"
#include "recorded_pass.h"

namespace {

PassSetup ViewSetup(int32_t kind, int16_t colour, int16_t half, bool smoothing, const char* rotX,
                    const char* rotY, const char* rotZ, const char* slant) {
  PassSetup setup;
  setup.reflectanceKind = kind;
  setup.showIsolines = colour;
  setup.halfSphere = half;
  setup.smoothing = smoothing;
  setup.inputs.rotX = rotX;
  setup.inputs.rotY = rotY;
  setup.inputs.rotZ = rotZ;
  setup.inputs.slant = slant;
  return setup;
}

// FNV-1a over the red, green and blue of every pixel, rows from the top.
std::string Digest(const RecordedPicture& picture) {
  uint64_t hash = 14695981039346656037ULL;
  const auto add = [&hash](int32_t component) {
    hash = (hash ^ static_cast<uint8_t>(component)) * 1099511628211ULL;
  };
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb c = picture.At(x, y);
      add(c.r);
      add(c.g);
      add(c.b);
    }
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// Views where the y parametrisation rounds the z of the shown intersection just above 1, found
// by a search over whole-degree views. The colour shader takes the z of lineStart there instead:
// a point below the equator, which the half sphere does not show, or one that gives the pixel
// another tone under a slanted source.
TEST(PinnedViews, TheColourShaderReplacesAnIntersectionZAboveOne) {
  struct Case {
    const char *rotX, *rotY, *rotZ;
    int x, y;                   // the pixel, rows from the top
    std::optional<Rgb> colour;  // nothing: the pixel is left as the background
  };
  const Case cases[] = {
      {"-95", "-13", "-121", 219, 177, std::nullopt},
      {"-95", "13", "-110", 174, 177, std::nullopt},
      {"-88", "-178", "-119", 200, 172, Rgb{196, 196, 196}},
  };
  for (const Case& c : cases) {
    const PassSetup setup = ViewSetup(kMatte, 1, 1, false, c.rotX, c.rotY, c.rotZ, "40");
    SCOPED_TRACE(setup.Describe());
    const PassResult pass = RunPass(setup);
    ASSERT_TRUE(std::holds_alternative<ShadePass>(pass.outcome));
    RenderState sample = pass.state;
    sample.dx = static_cast<float>(OffsetX(pass.picture, c.x));
    sample.dy = static_cast<float>(OffsetY(pass.picture, c.y));
    const std::optional<Point3> plain =
        FindSurfacePoint(sample, MakePassConstants(sample), IntersectionRule::kPlain);
    ASSERT_TRUE(plain.has_value());
    EXPECT_GT(plain->z, 1.0F) << "the view no longer rounds z above 1 at this pixel";
    EXPECT_EQ(pass.picture.Painted(c.x, c.y), c.colour.has_value());
    if (c.colour) {
      const Rgb got = pass.picture.At(c.x, c.y);
      EXPECT_EQ(got, *c.colour) << "got (" << got.r << ", " << got.g << ", " << got.b << ")";
    }
  }
}

// Whole pictures of the four functions, grey and colour, with and without smoothing. The first
// five have slants whose sine and cosine, stored as floats, make |S|^2 differ from 1 by some
// 5e-8: cos i normalised by |S|^2 instead of |S| moves a grey level or two in each of three of
// them, as would any other change of a rounding.
TEST(PinnedViews, WholePicturesStayAsPainted) {
  struct Case {
    PassSetup setup;
    const char* digest;
  };
  const Case cases[] = {
      {ViewSetup(kMatte, 0, 1, false, "30", "0", "0", "47"), "e2e59578c8a8471c"},
      {ViewSetup(kMatte, 1, 1, false, "0", "0", "0", "71"), "7fc11c6dba13e22a"},
      {ViewSetup(kMatte, 0, 1, true, "60", "0", "30", "-68"), "9b003f7e0668e3bd"},
      {ViewSetup(kGlossy, 0, 1, false, "45", "0", "0", "4"), "1da3b44fc2146736"},
      {ViewSetup(kGlossy, 1, 1, true, "30", "0", "0", "56"), "d9082d28cfe539da"},
      {ViewSetup(kRocky, 0, 0, false, "45", "0", "-30", "-25"), "b6eb345110cbaac1"},
      {ViewSetup(kMirror, 1, 1, false, "30", "0", "0", "50"), "e8dc6f55a0d70aac"},
      {ViewSetup(kMirror, 0, 0, true, "10", "-5", "0", "-60"), "b9103c6b550cc3cb"},
  };
  for (const Case& c : cases) {
    const PassResult pass = RunPass(c.setup);
    ASSERT_TRUE(std::holds_alternative<ShadePass>(pass.outcome)) << c.setup.Describe();
    EXPECT_EQ(Digest(pass.picture), c.digest) << c.setup.Describe();
  }
}

}  // namespace
