// The readout under the pointer: where it shows something, and that what it shows is what the
// pass painted there; and the line the renderer prints.

#include "pass/readout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <variant>

#include "exact_view.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/raster_walk.h"
#include "pass/shade_command.h"
#include "photometry/sample_colour.h"

namespace {

constexpr Rgb kClear{1, 2, 3};  // a background no sample paints

struct PassCase {
  const char* rotX;
  const char* rotZ;
  const char* slant;
  int32_t function;
  bool colour;
  bool half;
};

// Over every pixel of a pass without smoothing: the readout exists exactly where a pixel was
// painted, and the colour its phi and zone give is the painted colour.
TEST(Readout, ShowsWhatThePassPaintedAtEveryPixel) {
  const PassCase cases[] = {
      {"30", "0", "0", kMatte, true, true},      {"30", "0", "40", kGlossy, false, false},
      {"-60", "25", "-30", kRocky, true, false}, {"30", "270", "10", kMatte, false, false},
      {"15", "0", "30", kMirror, true, true},    {"89.99", "0", "120", kGlossy, true, false},
  };
  for (const PassCase& c : cases) {
    RenderState state;
    ApplyStartupValues(state);
    state.reflectanceKind = c.function;
    state.showIsolines = static_cast<int16_t>(c.colour ? 1 : 0);
    state.halfSphere = static_cast<int16_t>(c.half ? 1 : 0);
    state.backgroundR = kClear.r;
    state.backgroundG = kClear.g;
    state.backgroundB = kClear.b;
    ShadeInputs inputs;
    inputs.rotX = c.rotX;
    inputs.rotZ = c.rotZ;
    inputs.slant = c.slant;
    ImageBuffer picture(393, 337);
    ASSERT_TRUE(std::holds_alternative<ShadePass>(
        RunShadeCommand(state, picture, inputs, CNumberFormat(), false)));
    const RenderState afterPass = state;
    const PassConstants pass = MakePassConstants(state);
    int faults = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const std::optional<Readout> readout = ReadoutAtPixel(state, 393, 337, x, y);
        const Rgb painted = picture.At(x, y);
        if (!readout) {
          faults += painted == kClear ? 0 : 1;
          continue;
        }
        RenderState scratch = state;
        scratch.subSample = 1;  // the sums then hold the sample's colour
        ColourSample(readout->reading.phi,
                     c.colour ? IsolineStyle::kColourTint : IsolineStyle::kGreyLift, pass, scratch);
        const Rgb shown{LimitComponent(scratch.sumR), LimitComponent(scratch.sumG),
                        LimitComponent(scratch.sumB)};
        faults += shown == painted ? 0 : 1;
        EXPECT_EQ(readout->reading.zone, ZoneOfPhi(readout->reading.phi, pass));
      }
    }
    EXPECT_EQ(faults, 0) << "rotations " << c.rotX << ", 0, " << c.rotZ << ", slant " << c.slant
                         << ", function " << c.function;
    EXPECT_EQ(state, afterPass) << "the readout changed the state";
  }
  EXPECT_FALSE(ReadoutAtPixel(RenderState{}, 393, 337, -1, 5));
  EXPECT_FALSE(ReadoutAtPixel(RenderState{}, 393, 337, 393, 5));
}

TEST(Readout, AnglesAreTheTrueAnglesInDegrees) {
  RenderState state;
  ApplyStartupValues(state);
  state.halfSphere = 0;
  ShadeInputs inputs;
  inputs.rotX = "0";
  inputs.slant = "180";  // the source behind the sphere: every visible normal is turned away
  ASSERT_TRUE(
      std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, CNumberFormat())));
  // The centre pixel (196, 168) with no rotation looks along y at the sphere's side point.
  const std::optional<Readout> readout = ReadoutAtPixel(state, 393, 337, 196, 168);
  ASSERT_TRUE(readout);
  EXPECT_NEAR(readout->angleE, 90.0, 0.5);
  EXPECT_NEAR(readout->angleI, 90.0, 0.5);
  EXPECT_NEAR(readout->angleG, 180.0, 1e-4);
  const std::optional<Readout> top = ReadoutAtPixel(state, 393, 337, 196, 80);
  ASSERT_TRUE(top);
  EXPECT_GT(top->angleI, 90.0);  // turned away from the source: obtuse, not negative
  EXPECT_LT(top->angleE, 90.0);
  EXPECT_EQ(top->reading.zone.kind, PhiZoneKind::kDeepShadow);
}

// At chosen pixels the printed values equal the angles and point of the pixel's exact line of
// sight, computed in double from the stored rotations, to within the printed digits.
TEST(Readout, PrintsTheExactGeometryToItsDigits) {
  struct Case {
    const char* rotX;
    const char* rotY;
    const char* slant;
    int x, y;
  };
  const Case cases[] = {{"30", "0", "0", 196, 168},    {"30", "0", "0", 150, 120},
                        {"40", "10", "25", 240, 230},  {"-60", "0", "-35", 120, 200},
                        {"120", "30", "70", 260, 100}, {"0", "0", "180", 196, 80}};
  constexpr double kAngleDigit = 0.05 + 1e-3;  // half the last printed digit, and rounding
  constexpr double kPointDigit = 0.0005 + 1e-5;
  constexpr double kDegreesPerRadian = 180.0 / 3.14159;
  for (const Case& c : cases) {
    RenderState state;
    ApplyStartupValues(state);
    state.halfSphere = 0;
    ShadeInputs inputs;
    inputs.rotX = c.rotX;
    inputs.rotY = c.rotY;
    inputs.slant = c.slant;
    ASSERT_TRUE(
        std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, CNumberFormat())));
    const std::optional<Readout> readout = ReadoutAtPixel(state, 393, 337, c.x, c.y);
    ASSERT_TRUE(readout) << c.x << "," << c.y;
    const RasterFrame frame = MeasureRasterFrame(393, 337);
    Vec shown{};
    Vec other{};
    ASSERT_TRUE(ExactHits(state, c.x - static_cast<double>(frame.cx),
                          frame.roundedHeight - c.y - static_cast<double>(frame.cy), shown, other));
    const double slant = state.sourceSlant;
    const double cosI = shown.y * std::sin(slant) + shown.z * std::cos(slant);
    const std::string line = FormatReadoutLine(readout);
    std::istringstream fields(line);
    double i = 0, e = 0, g = 0, x = 0, y = 0, z = 0;
    char sep = 0;
    std::string word;
    fields.ignore(2) >> i;
    fields.ignore(3) >> e;
    fields.ignore(3) >> g;
    fields >> word >> word >> word;  // phi, painted, zone
    fields.ignore(7) >> x >> sep >> y >> sep >> z;
    EXPECT_NEAR(i, std::acos(cosI) * kDegreesPerRadian, kAngleDigit) << line;
    EXPECT_NEAR(e, std::acos(shown.z) * kDegreesPerRadian, kAngleDigit) << line;
    EXPECT_NEAR(g, std::acos(std::cos(slant)) * kDegreesPerRadian, kAngleDigit) << line;
    EXPECT_NEAR(x, shown.x, kPointDigit) << line;
    EXPECT_NEAR(y, shown.y, kPointDigit) << line;
    EXPECT_NEAR(z, shown.z, kPointDigit) << line;
  }
}

// The function's value of an exact surface point: what phi and painted must print.
double ExactPhi(int32_t function, const Vec& point, double slant, double s, double n) {
  const double cosI = point.y * std::sin(slant) + point.z * std::cos(slant);
  const double cosE = point.z;
  switch (function) {
    case kGlossy: {
      const double t = 2.0 * cosI * cosE - std::cos(slant);
      return (1.0 - s) * cosI + (t < 0.0 ? 0.0 : std::pow(t, n) * (n + 1.0) * s / 2.0);
    }
    case kRocky:
      return cosI / cosE;
    default:
      return cosI;
  }
}

// Over a grid of pixels, for slants in and far beyond -180 to 180: phi is the function's own
// value at the pixel's exact surface point, painted that value bounded above by 1, and g the
// angle between the source (0, sin slant, cos slant) and the observer (0, 0, 1), 0 to 180.
TEST(Readout, PrintsTheFunctionsValueThePaintedValueAndThePhaseAngle) {
  const struct {
    const char* slant;
    double phase;  // the true angle, to the printed digit
  } slants[] = {{"200", 160.0}, {"-30", 30.0}, {"1e30", -1.0},
                {"0", 0.0},     {"90", 90.0},  {"30", 30.0}};
  constexpr double kDegreesPerRadian = 180.0 / 3.14159;
  int bounded = 0;
  for (int32_t function : {kMatte, kGlossy, kRocky}) {
    for (const auto& c : slants) {
      RenderState state;
      ApplyStartupValues(state);
      state.reflectanceKind = function;
      state.halfSphere = 0;
      ShadeInputs inputs;
      inputs.slant = c.slant;
      ASSERT_TRUE(
          std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, CNumberFormat())));
      const double slant = state.sourceSlant;
      const double phase = std::acos(std::cos(slant)) * kDegreesPerRadian;
      const RasterFrame frame = MeasureRasterFrame(393, 337);
      for (int y = 70; y < 270; y += 13) {
        for (int x = 100; x < 300; x += 11) {
          Vec shown{};
          Vec other{};
          if (!ExactHits(state, x - static_cast<double>(frame.cx),
                         frame.roundedHeight - y - static_cast<double>(frame.cy), shown, other) ||
              std::fabs(shown.z) < 0.2) {
            continue;  // off the sphere, or so near its rim that one pixel spans many values
          }
          const std::string line = FormatReadoutLine(ReadoutAtPixel(state, 393, 337, x, y));
          double i = 0, e = 0, g = 0, phi = 0, painted = 0;
          ASSERT_EQ(std::sscanf(line.c_str(), "i=%lf e=%lf g=%lf phi=%lf painted=%lf", &i, &e, &g,
                                &phi, &painted),
                    5)
              << line;
          const double want = ExactPhi(function, shown, slant, state.glossS, state.glossN);
          const double digits = 0.0005 + 2e-4 * std::max(1.0, std::fabs(want));
          EXPECT_NEAR(phi, want, digits)
              << "slant " << c.slant << " at " << x << "," << y << ": " << line;
          EXPECT_NEAR(painted, std::min(want, 1.0), digits) << "slant " << c.slant << ": " << line;
          EXPECT_NEAR(g, phase, 0.05 + 1e-3) << line;
          if (c.phase >= 0.0) {
            EXPECT_NEAR(g, c.phase, 0.05 + 1e-3) << line;
          }
          EXPECT_TRUE(g >= 0.0 && g <= 180.0) << line;
          bounded += want > 1.001 ? 1 : 0;
        }
      }
    }
  }
  EXPECT_GT(bounded, 0) << "no pixel above the upper bound: the table tests too little";
}

// Values that are not finite read as words; large ones in scientific form, so that no field
// grows without bound.
TEST(FormatReadoutLine, WritesSpecialAndLargeValuesInFewCharacters) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float function, painted;
    const char* text;
  } cases[] = {
      {inf, 1.0F, "phi=inf painted=1.000"},
      {-inf, -inf, "phi=-inf painted=-inf"},
      {std::nanf(""), std::nanf(""), "phi=nan painted=nan"},
      {-std::nanf(""), -std::nanf(""), "phi=nan painted=nan"},
      {1e30F, 1.0F, "phi=1.000e+30 painted=1.000"},
      {-2.5e6F, -2.5e6F, "phi=-2.500e+06 painted=-2.500e+06"},
      {1e6F, 1.0F, "phi=1.000e+06 painted=1.000"},
      {1.18F, 1.0F, "phi=1.180 painted=1.000"},
  };
  for (const auto& c : cases) {
    Readout readout;
    readout.reading.functionPhi = c.function;
    readout.reading.phi = c.painted;
    const std::string line = FormatReadoutLine(readout);
    EXPECT_NE(line.find(c.text), std::string::npos) << line;
    EXPECT_EQ(PaintedPhiDiffers(readout.reading),
              std::string(c.text).find("painted=1.000") != std::string::npos)
        << line;
  }
}

TEST(FormatReadoutLine, PrintsTheFixedFormatInTheCLocale) {
  Readout readout;
  readout.angleI = 34.45;
  readout.angleE = 12.0;
  readout.angleG = 0.0;
  readout.reading.phi = 0.8244F;
  readout.reading.zone = {PhiZoneKind::kBand, 1};
  readout.reading.surfacePoint = {0.1234F, -0.4561F, -0.0001F};
  readout.reading.functionPhi = 0.8244F;
  EXPECT_EQ(FormatReadoutLine(readout),
            "i=34.5 e=12.0 g=0.0 phi=0.824 painted=0.824 zone=band:1 point=0.123,-0.456,0.000");
  readout.gradient = Gradient{-1.0, 0.52};
  readout.reading.zone = {PhiZoneKind::kFringe};
  EXPECT_EQ(FormatReadoutLine(readout),
            "i=34.5 e=12.0 g=0.0 phi=0.824 painted=0.824 zone=fringe point=0.123,-0.456,0.000 "
            "p=-1.000 q=0.520");
  EXPECT_EQ(FormatReadoutLine(std::nullopt), "background");
  const std::pair<PhiZone, const char*> zones[] = {
      {{PhiZoneKind::kTone}, "tone"},      {{PhiZoneKind::kSelfShadow}, "self-shadow"},
      {{PhiZoneKind::kFringe}, "fringe"},  {{PhiZoneKind::kDeepShadow}, "deep-shadow"},
      {{PhiZoneKind::kBand, 6}, "band:6"},
  };
  for (const auto& [zone, name] : zones) EXPECT_EQ(ZoneName(zone), name);
}

}  // namespace
