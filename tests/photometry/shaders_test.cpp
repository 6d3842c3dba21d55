// The two shaders end to end: a RenderState set up by hand, one sample, a small picture.

#include "photometry/shaders.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "model/image_buffer.h"
#include "photometry/pass_constants.h"
#include "test_state.h"

namespace {

constexpr int kSize = 5;
constexpr Rgb kUntouched{1, 2, 3};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

enum class Shader { kGrey, kColour };

void Shade(Shader shader, RenderState& state, Picture& picture) {
  if (shader == Shader::kGrey) {
    ShadeGreyPixel(state, picture);
  } else {
    ShadeColourPixel(state, picture);
  }
}

struct Sample {
  const char* what;
  Shader shader;
  int32_t kind;
  double slantDegrees;
  int16_t halfSphere;
  float dx, dy;
  std::optional<Rgb> painted;  // nothing: the sample paints no pixel
};

TEST(Shaders, PaintOneSampleWithoutSmoothing) {
  const Sample samples[] = {
      // Rotations 0: the point seen at (dx, dy) has x = dx/100 and z = dy/100.
      {"matte grey tone", Shader::kGrey, kMatte, 0, 1, 0, 45, Rgb{115, 115, 115}},
      {"matte grey tone in colour", Shader::kColour, kMatte, 0, 1, 0, 45, Rgb{115, 115, 115}},
      {"matte on band 3, colour", Shader::kColour, kMatte, 0, 1, 0, 60, Rgb{153, 193, 153}},
      {"matte on band 3, grey", Shader::kGrey, kMatte, 0, 1, 0, 60, kWhite},
      {"lower half removed", Shader::kGrey, kMatte, 0, 1, 0, -45, std::nullopt},
      {"outside the outline", Shader::kColour, kMatte, 0, 0, 80, 80, std::nullopt},
      {"whole sphere, turned from the source", Shader::kColour, kMatte, 0, 0, 0, -45, kBlack},
      {"rocky on the far side: the signs cancel", Shader::kGrey, kRocky, 0, 0, 0, -45, kWhite},
      {"rocky at cosE = 0, lit: +inf bounded to 1", Shader::kColour, kRocky, 30, 1, 0, 0, kWhite},
      {"rocky at cosE = 0 and cosI = 0: NaN", Shader::kGrey, kRocky, 0, 1, 0, 0, kBlack},
      {"glossy in the mirror direction", Shader::kGrey, kGlossy, 0, 1, 0, 99.5F, kWhite},
      // Slant 60 degrees: the normal halfway between source and observer is seen at dy = 86.6.
      {"mirror hit, grey", Shader::kGrey, kMirror, 60, 1, 0, 87, kWhite},
      {"mirror hit, colour", Shader::kColour, kMirror, 60, 1, 0, 87, kWhite},
      {"mirror miss, grey", Shader::kGrey, kMirror, 60, 1, 50, 30, Rgb{2, 2, 2}},
      {"mirror miss, colour", Shader::kColour, kMirror, 60, 1, 50, 30, Rgb{2, 2, 2}},
      // Slant -60 degrees, whole sphere: the mirror point lies below the equator, at z = -0.866.
      {"mirror hit below the equator, grey", Shader::kGrey, kMirror, -60, 0, 0, -87, kWhite},
      {"mirror hit below the equator, colour", Shader::kColour, kMirror, -60, 0, 0, -87, kWhite},
      {"no function selected", Shader::kColour, 0, 0, 1, 0, 45, kBlack},
  };
  for (const Sample& s : samples) {
    RenderState state = StartupLikeState();
    state.reflectanceKind = s.kind;
    SetSlant(state, s.slantDegrees);
    state.mirrorTolerance = 0.03F;
    state.halfSphere = s.halfSphere;
    state.dx = s.dx;
    state.dy = s.dy;
    state.px = 1.0F;
    state.py = 3.0F;
    ImageBuffer picture(kSize, kSize);
    picture.Clear(kUntouched);
    Shade(s.shader, state, picture);

    int painted = 0;
    for (const Rgb& pixel : picture.Pixels()) painted += pixel == kUntouched ? 0 : 1;
    EXPECT_EQ(painted, s.painted ? 1 : 0) << s.what;
    if (s.painted) {
      const Rgb got = picture.At(1, kSize - 3);
      EXPECT_EQ(got, *s.painted) << s.what << ": got (" << got.r << ", " << got.g << ", " << got.b
                                 << ")";
    }
  }
}

TEST(Shaders, SmoothedSamplesAccumulateAndPaintNothing) {
  for (Shader shader : {Shader::kGrey, Shader::kColour}) {
    RenderState state = StartupLikeState();
    ImageBuffer picture(kSize, kSize);
    picture.Clear(kUntouched);
    // Two samples outside the outline, one on the removed half, one at grey 115.
    const float offsets[4][2] = {{150, 0}, {0, 150}, {0, -45}, {0, 45}};
    for (int32_t sample = 1; sample <= 4; ++sample) {
      state.subSample = sample;
      state.dx = offsets[sample - 1][0];
      state.dy = offsets[sample - 1][1];
      Shade(shader, state, picture);
    }
    EXPECT_EQ((Rgb{state.sumR, state.sumG, state.sumB}),
              (Rgb{3 * 255 + 115, 3 * 255 + 115, 3 * 255 + 115}))
        << (shader == Shader::kGrey ? "grey" : "colour");
    for (const Rgb& pixel : picture.Pixels()) EXPECT_EQ(pixel, kUntouched);
  }
}

// The mirror shortcut skips the arctangents where a cosine is too far from +-1 for the mirror
// tests to pass; over a fine sweep of samples every colour must equal the one shaded without it,
// for slants and tolerances across the bands, both shaders and both half-sphere settings.
TEST(Shaders, MirrorShortcutChangesNoSample) {
  struct Setting {
    double slantDegrees;
    float tolerance;
  };
  const Setting settings[] = {{0, 0.03F},      {0, 0.0005F}, {10, 0.017F},   {30, 0.005F},
                              {63.01, 0.002F}, {90, 0.001F}, {120, 0.0005F}, {-45, 0.003F},
                              {30, 0.4F},      {80, 0.03F},  {-60, 0.03F},   {-100, 0.03F}};
  constexpr float kStep = 0.75F;  // passes through all four quarter-pixel fractions
  for (const Setting& setting : settings) {
    for (Shader shader : {Shader::kGrey, Shader::kColour}) {
      for (int16_t halfSphere : {int16_t{0}, int16_t{1}}) {
        RenderState state = StartupLikeState();
        state.reflectanceKind = kMirror;
        state.rotX = DegreesToRadians(30.0);
        state.rotY = DegreesToRadians(-20.0);
        state.halfSphere = halfSphere;
        SetSlant(state, setting.slantDegrees);
        state.mirrorTolerance = setting.tolerance;
        state.subSample = 1;  // the sums hold the sample's colour
        const PassConstants pass = MakePassConstants(state);
        PassConstants unfiltered = pass;
        unfiltered.shortcuts.mirrorCosineFloor = 0.0;
        ImageBuffer picture(kSize, kSize);
        int differing = 0;
        int mirrorLit = 0;
        for (float dx = -100.0F; dx <= 100.0F; dx += kStep) {
          for (float dy = -100.0F; dy <= 100.0F; dy += kStep) {
            RenderState filtered = state;
            filtered.dx = dx;
            filtered.dy = dy;
            RenderState full = filtered;
            using PassShader = void (*)(RenderState&, Picture&, const PassConstants&);
            const PassShader shade = shader == Shader::kGrey
                                         ? static_cast<PassShader>(&ShadeGreyPixel)
                                         : static_cast<PassShader>(&ShadeColourPixel);
            shade(filtered, picture, pass);
            shade(full, picture, unfiltered);
            differing += filtered == full ? 0 : 1;
            const std::optional<SampleReading> seen = ReadSample(full, unfiltered);
            mirrorLit += seen && seen->phi == 1.0F ? 1 : 0;
          }
        }
        std::ostringstream what;
        what << "slant " << setting.slantDegrees << ", tolerance " << setting.tolerance
             << (shader == Shader::kGrey ? ", grey" : ", colour") << ", half " << halfSphere;
        EXPECT_EQ(differing, 0) << what.str();
        EXPECT_GT(pass.shortcuts.mirrorCosineFloor, 0.0) << what.str();
        // The wide tolerances light some samples. A negative slant puts every mirror point
        // below the equator, where only the whole sphere shows it and the shortcut must judge
        // it by |cosE|.
        if (setting.tolerance >= 0.03F && (setting.slantDegrees >= 0.0 || halfSphere == 0)) {
          EXPECT_GT(mirrorLit, 0) << what.str();
        }
      }
    }
  }
}

}  // namespace
