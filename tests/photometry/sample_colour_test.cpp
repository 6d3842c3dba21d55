// Colouring a sample's phi: grey tones, isoline bands, the shadow zones, the sub-sample sums and
// the painted pixel.

#include "photometry/sample_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "model/image_buffer.h"
#include "photometry/pass_constants.h"
#include "test_state.h"

namespace {

constexpr int kWidth = 8;
constexpr int kHeight = 6;
constexpr Rgb kUntouched{1, 2, 3};

// Colours one sample with subSample 0 and returns the pixel it paints.
Rgb PaintedColour(float phi, IsolineStyle style, RenderState state) {
  ImageBuffer picture(kWidth, kHeight);
  picture.Clear(kUntouched);
  state.subSample = 0;
  state.px = 3.0F;
  state.py = 2.0F;
  ColourSample(phi, style, MakePassConstants(state), state);
  PaintSample(state, picture);
  return picture.At(3, kHeight - 2);
}

std::string Describe(Rgb c) {
  std::ostringstream text;
  text << "(" << c.r << ", " << c.g << ", " << c.b << ")";
  return text.str();
}

TEST(GreyLevel, RoundsHalfToEven) {
  struct Case {
    float phi;
    int32_t level;
  };
  const Case cases[] = {{1.0F, 255}, {0.5F, 128}, {0.25F, 64}, {0.0F, 0},
                        {0.004F, 1}, {0.006F, 2}, {0.9F, 229}, {0.3F, 77}};
  for (const Case& c : cases) EXPECT_EQ(GreyLevel(c.phi), c.level) << "phi " << c.phi;
}

// The tone under an exposure k is k times the function's phi, bounded above by 1 only after the
// product: a bright limb (phi 1.84) shows below white at k 0.5.
TEST(GreyLevel, FollowsTheExposedTone) {
  struct Case {
    double k;
    float functionPhi;
    int32_t level;
  };
  const Case cases[] = {{2.0, 0.3F, 153},  {0.5, 1.84F, 235}, {1.0, 1.84F, 255},
                        {10.0, 0.3F, 255}, {0.1, 1.0F, 26},   {1.0, 0.5F, 128}};
  for (const Case& c : cases) {
    EXPECT_EQ(GreyLevel(ExposedTone(c.functionPhi, c.k)), c.level)
        << "k " << c.k << " phi " << c.functionPhi;
  }
}

TEST(ColourSample, PaintsTheStartupLegendWithoutSmoothing) {
  const RenderState state = StartupLikeState();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    float phi;
    IsolineStyle style;
    Rgb painted;
  };
  const Case cases[] = {
      {"band 0 tint on grey 229, red limited", 0.9F, IsolineStyle::kColourTint, {255, 229, 229}},
      {"band 6 tint on grey 77", 0.3F, IsolineStyle::kColourTint, {102, 77, 117}},
      {"band 2 tint on grey 178", 0.7F, IsolineStyle::kColourTint, {215, 218, 178}},
      {"band 4 tint", 0.5F, IsolineStyle::kColourTint, {128, 158, 168}},
      {"grey band 1: 204 + 140 painted white", 0.8F, IsolineStyle::kGreyLift, {255, 255, 255}},
      {"grey band 6: 77 + 140", 0.3F, IsolineStyle::kGreyLift, {217, 217, 217}},
      {"plain grey between bands", 0.25F, IsolineStyle::kGreyLift, {64, 64, 64}},
      {"phi 1 is white", 1.0F, IsolineStyle::kColourTint, {255, 255, 255}},
      {"mirror miss value", 0.006F, IsolineStyle::kColourTint, {2, 2, 2}},
      {"self-shadow zone at 0", 0.0F, IsolineStyle::kColourTint, {96, 0, 52}},
      {"self-shadow zone at its top", 0.005F, IsolineStyle::kGreyLift, {96, 0, 52}},
      {"fringe", -0.003F, IsolineStyle::kGreyLift, {175, 0, 91}},
      {"fringe at its bottom", -0.005F, IsolineStyle::kColourTint, {175, 0, 91}},
      {"deep shadow", -0.2F, IsolineStyle::kColourTint, {0, 0, 0}},
      {"-inf is deep shadow", -inf, IsolineStyle::kGreyLift, {0, 0, 0}},
      {"NaN is deep shadow", nan, IsolineStyle::kGreyLift, {0, 0, 0}},
      {"NaN is deep shadow in colour", nan, IsolineStyle::kColourTint, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Rgb got = PaintedColour(c.phi, c.style, state);
    EXPECT_EQ(got, c.painted) << c.what << " (phi " << c.phi << "): got " << Describe(got);
  }
}

TEST(ColourSample, BandEdgesOverlapsAndOddWidths) {
  struct Case {
    const char* what;
    float level0, halfWidth0, level1, halfWidth1;
    float phi;
    int band;  // -1: none
  };
  const float lo = static_cast<float>(0.5 - static_cast<double>(0.01F));
  const float hi = static_cast<float>(0.5 + static_cast<double>(0.01F));
  const Case cases[] = {
      {"phi at lo", 0.5F, 0.01F, 0.1F, 0.0F, lo, 0},
      {"phi at hi", 0.5F, 0.01F, 0.1F, 0.0F, hi, 0},
      {"just below lo", 0.5F, 0.01F, 0.1F, 0.0F, std::nextafter(lo, 0.0F), -1},
      {"just above hi", 0.5F, 0.01F, 0.1F, 0.0F, std::nextafter(hi, 1.0F), -1},
      {"same level: the lower index wins", 0.5F, 0.01F, 0.5F, 0.01F, 0.5F, 0},
      {"overlap: the lower index wins", 0.5F, 0.01F, 0.505F, 0.01F, 0.506F, 0},
      {"negative half-width holds nothing", 0.5F, -0.01F, 0.1F, 0.0F, 0.5F, -1},
      {"zero half-width holds its level", 0.1F, 0.0F, 0.5F, 0.0F, 0.1F, 0},
      {"zero half-width holds only its level", 0.1F, 0.0F, 0.5F, 0.0F, 0.1000001F, -1},
  };
  for (const Case& c : cases) {
    RenderState state = StartupLikeState();
    state.isoLevel = {c.level0, c.level1, 2.0F, 2.0F, 2.0F, 2.0F, 2.0F};
    state.isoHalfWidth = {c.halfWidth0, c.halfWidth1, 0.0F, 0.0F, 0.0F, 0.0F, 0.005F};
    const std::optional<int> band = FindIsoBand(c.phi, MakePassConstants(state));
    EXPECT_EQ(band.value_or(-1), c.band) << c.what << " (phi " << c.phi << ")";
  }
}

TEST(ColourSample, ABandAtZeroBeatsTheSelfShadowZoneButNeverTintsNegatives) {
  RenderState state = StartupLikeState();
  state.isoLevel[3] = 0.0F;  // band 3 straddles 0: -0.005 to 0.005
  EXPECT_EQ(PaintedColour(0.002F, IsolineStyle::kColourTint, state), (Rgb{1, 41, 1}));
  EXPECT_EQ(PaintedColour(0.0F, IsolineStyle::kGreyLift, state), (Rgb{140, 140, 140}));
  EXPECT_EQ(PaintedColour(-0.002F, IsolineStyle::kColourTint, state), kShadowFringe);
}

// The plain grey settings leave only the tone and deep shadow: a phi on a level exactly, at the
// top of a self-shadow zone or of a fringe, and the mirror's miss are no zone of their own.
TEST(ColourSample, PlainGreyPaintsTheToneAlone) {
  RenderState state = StartupLikeState();
  state.isoLevel[3] = 0.0F;  // a level at 0 as well, where a band would meet the shadow zones
  SetPlainGrey(state);
  const PassConstants pass = MakePassConstants(state);
  EXPECT_LT(pass.mirrorMissValue, 0.0F);
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float phi;
    Rgb painted;
  } kRows[] = {{0.9F, {229, 229, 229}}, {0.3F, {77, 77, 77}},    {0.0F, {0, 0, 0}},
               {0.005F, {1, 1, 1}},     {1.0F, {255, 255, 255}}, {-0.0F, {0, 0, 0}},
               {-0.004F, {0, 0, 0}},    {kNaN, {0, 0, 0}}};
  for (const auto& row : kRows) {
    EXPECT_EQ(PaintedColour(row.phi, IsolineStyle::kGreyLift, state), row.painted) << row.phi;
    EXPECT_EQ(PaintedColour(row.phi, IsolineStyle::kColourTint, state), row.painted) << row.phi;
    const PhiZoneKind zone = ZoneOfPhi(row.phi, pass).kind;
    EXPECT_TRUE(zone == PhiZoneKind::kTone || zone == PhiZoneKind::kDeepShadow) << row.phi;
  }
}

// The fringe reaches down to -isoHalfWidth(0), the self-shadow zone up to isoHalfWidth(6): each
// edge follows its own legend row, so rows of different widths tell them apart.
TEST(ColourSample, ShadowZoneEdgesFollowTheirOwnLegendRows) {
  struct Case {
    const char* what;
    float halfWidth0, halfWidth6;
    float phi;
    Rgb painted;
  };
  const Case cases[] = {
      {"wide row 0: fringe below row 6's width", 0.02F, 0.004F, -0.01F, kShadowFringe},
      {"wide row 0: fringe at its bottom", 0.02F, 0.004F, -0.02F, kShadowFringe},
      {"wide row 0: deep shadow below it", 0.02F, 0.004F, -0.021F, kDeepShadow},
      {"wide row 0: tone above row 6's width", 0.02F, 0.004F, 0.01F, Rgb{3, 3, 3}},
      {"narrow row 0: deep shadow within row 6's width", 0.003F, 0.02F, -0.01F, kDeepShadow},
      {"narrow row 0: fringe at its bottom", 0.003F, 0.02F, -0.003F, kShadowFringe},
      {"narrow row 0: self-shadow up to row 6's width", 0.003F, 0.02F, 0.01F, kSelfShadowZone},
  };
  for (const Case& c : cases) {
    RenderState state = StartupLikeState();
    state.isoHalfWidth[0] = c.halfWidth0;
    state.isoHalfWidth[6] = c.halfWidth6;
    const Rgb got = PaintedColour(c.phi, IsolineStyle::kColourTint, state);
    EXPECT_EQ(got, c.painted) << c.what << " (phi " << c.phi << "): got " << Describe(got);
  }
}

// Four sub-samples of one pixel, the sums starting at 0 as the raster pass leaves them.
TEST(ColourSample, SubSampleSums) {
  struct Case {
    const char* what;
    IsolineStyle style;
    float phi[4];
    Rgb sums;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {"self-shadow: sample 1 sets, 2 to 4 add (97, 1, 53)",
       IsolineStyle::kGreyLift,
       {0.004F, 0.004F, 0.004F, 0.004F},
       {96 + 3 * 97, 3 * 1, 52 + 3 * 53}},
      {"deep shadow adds nothing wherever it falls",
       IsolineStyle::kGreyLift,
       {0.784F, -0.2F, 0.784F, 0.784F},
       {600, 600, 600}},
      {"deep shadow as sample 1",
       IsolineStyle::kColourTint,
       {-0.2F, 0.784F, 0.784F, 0.784F},
       {600, 600, 600}},
      {"NaN as a later sample adds nothing",
       IsolineStyle::kColourTint,
       {0.784F, 0.784F, nan, 0.784F},
       {600, 600, 600}},
      {"fringe samples",
       IsolineStyle::kColourTint,
       {-0.001F, -0.001F, 0.25F, -0.001F},
       {3 * 175 + 64, 64, 3 * 91 + 64}},
      {"the largest grey sum: 4 * (255 + 140)",
       IsolineStyle::kGreyLift,
       {1.0F, 1.0F, 1.0F, 1.0F},
       {1580, 1580, 1580}},
      {"the largest colour sum: 4 * (255 + 40) in red",
       IsolineStyle::kColourTint,
       {1.0F, 1.0F, 1.0F, 1.0F},
       {1180, 1020, 1020}},
  };
  for (const Case& c : cases) {
    RenderState state = StartupLikeState();
    state.isoLevel[0] = 1.0F;  // puts phi = 1 in band 0 for the largest sums
    const PassConstants pass = MakePassConstants(state);
    for (int32_t sample = 1; sample <= 4; ++sample) {
      state.subSample = sample;
      ColourSample(c.phi[sample - 1], c.style, pass, state);
    }
    const Rgb got{state.sumR, state.sumG, state.sumB};
    EXPECT_EQ(got, c.sums) << c.what << ": got " << Describe(got);
  }
}

TEST(AddBackgroundSample, AddsTheBackgroundOnlyWhenSmoothing) {
  RenderState state = StartupLikeState();
  state.sumR = 7;
  state.subSample = 0;
  AddBackgroundSample(state);
  EXPECT_EQ(state.sumR, 7);
  for (int32_t sample = 1; sample <= 4; ++sample) {
    state.subSample = sample;
    AddBackgroundSample(state);
  }
  EXPECT_EQ((Rgb{state.sumR, state.sumG, state.sumB}), (Rgb{7 + 4 * 255, 4 * 255, 4 * 255}));
}

// The sums are lowered to 255 in the state itself; the picture also takes a negative sum as 0.
TEST(PaintSample, LimitsEachComponentAndCountsRowsFromTheBottom) {
  const struct {
    Rgb sums;
    Rgb stateAfter;
    Rgb painted;
  } cases[] = {
      {{300, 255, 12}, {255, 255, 12}, {255, 255, 12}},
      {{256, 1000, 70000}, {255, 255, 255}, {255, 255, 255}},
      {{12, 256, 0}, {12, 255, 0}, {12, 255, 0}},
      {{-5, 0, 300}, {-5, 0, 255}, {0, 0, 255}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("sums " + Describe(c.sums));
    RenderState state = StartupLikeState();
    ImageBuffer picture(kWidth, kHeight);
    picture.Clear(kUntouched);
    state.px = 5.0F;
    state.py = 1.0F;
    state.sumR = c.sums.r;
    state.sumG = c.sums.g;
    state.sumB = c.sums.b;
    PaintSample(state, picture);
    EXPECT_EQ(Describe(Rgb{state.sumR, state.sumG, state.sumB}), Describe(c.stateAfter));
    EXPECT_EQ(Describe(picture.At(5, kHeight - 1)), Describe(c.painted));
    int painted = 0;
    for (const Rgb& pixel : picture.Pixels()) painted += pixel == kUntouched ? 0 : 1;
    EXPECT_EQ(painted, 1);
  }
}

}  // namespace
