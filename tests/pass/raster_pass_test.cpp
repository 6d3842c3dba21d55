// Whole pictures, judged by properties that hold whatever the exact grey levels are.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/startup_values.h"
#include "recorded_pass.h"

namespace {

constexpr double kSphereRadiusPixels = 100.0;

PassSetup MakeSetup(int32_t kind, int16_t colour, int16_t half, bool smoothing, std::string rotX,
                    std::string rotY, std::string rotZ, std::string slant) {
  PassSetup setup;
  setup.reflectanceKind = kind;
  setup.showIsolines = colour;
  setup.halfSphere = half;
  setup.smoothing = smoothing;
  setup.inputs.rotX = std::move(rotX);
  setup.inputs.rotY = std::move(rotY);
  setup.inputs.rotZ = std::move(rotZ);
  setup.inputs.slant = std::move(slant);
  setup.width = 241;
  setup.height = 240;
  return setup;
}

double Radius(const RecordedPicture& picture, int x, int y) {
  return std::hypot(OffsetX(picture, x), OffsetY(picture, y));
}

int ColourDistance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// Views that tilt the line of sight towards the picture plane about both Ox and Oz at once (89
// degrees and more) are left out: there the 32-bit intersection arithmetic cannot resolve the
// outline.
TEST(RunShadeCommand, PaintsOnlyWithinTheSphereOutline) {
  const PassSetup setups[] = {
      MakeSetup(kMatte, 1, 1, 0, "30", "0", "0", "0"),
      MakeSetup(kMatte, 0, 0, 1, "-60", "20", "45", "40"),
      MakeSetup(kGlossy, 1, 0, 0, "170", "-100", "10", "-120"),
      MakeSetup(kGlossy, 0, 1, 1, "90", "0", "0", "75"),
      MakeSetup(kGlossy, 1, 0, 0, "0", "0", "-90", "-20"),
      MakeSetup(kRocky, 1, 1, 1, "10", "10", "10", "10"),
      MakeSetup(kRocky, 0, 0, 0, "-90", "33", "-90", "180"),
      MakeSetup(kMirror, 1, 0, 1, "45", "-45", "0", "63"),
      MakeSetup(kMirror, 0, 1, 0, "0", "0", "0", "-1"),
  };
  for (const PassSetup& setup : setups) {
    SCOPED_TRACE(setup.Describe());
    const PassResult pass = RunPass(setup);
    ASSERT_TRUE(std::holds_alternative<ShadePass>(pass.outcome));
    const RecordedPicture& picture = pass.picture;
    EXPECT_EQ(picture.clears, 1);
    EXPECT_EQ(picture.contractBreaches, 0);
    // Smoothed pixels that average to white are left to the clear, as most of a bright picture.
    EXPECT_GT(picture.paints, setup.smoothing ? 0 : 10000);
    int outside = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if (picture.Painted(x, y) && Radius(picture, x, y) > kSphereRadiusPixels + 1.0) ++outside;
      }
    }
    EXPECT_EQ(outside, 0);
  }
}

TEST(RunShadeCommand, WithoutRotationTheHalfSphereFillsTheUpperHalfDisc) {
  for (int32_t kind : {kMatte, kGlossy, kRocky, kMirror}) {
    for (int16_t colour : {0, 1}) {
      for (int smoothing : {0, 1}) {
        const PassSetup setup = MakeSetup(kind, colour, 1, smoothing, "0", "0", "0", "30");
        SCOPED_TRACE(setup.Describe());
        const PassResult pass = RunPass(setup);
        const RecordedPicture& picture = pass.picture;
        // A smoothed pixel reaches a quarter pixel further out, and one whose samples average
        // to the background colour is left unpainted.
        const double reach = smoothing == 1 ? 0.5 : 0.0;
        int wrong = 0;
        for (int y = 0; y < picture.Height(); ++y) {
          for (int x = 0; x < picture.Width(); ++x) {
            const double up = OffsetY(picture, y);
            const double radius = Radius(picture, x, y);
            const bool mustPaint =
                smoothing == 0 && up >= 1.0 && radius <= kSphereRadiusPixels - 1.0;
            const bool mayPaint = up >= -reach && radius <= kSphereRadiusPixels + 1.0;
            if (picture.Painted(x, y) ? !mayPaint : mustPaint) ++wrong;
          }
        }
        EXPECT_EQ(wrong, 0);
      }
    }
  }
}

TEST(RunShadeCommand, IsMirrorSymmetricWhenTiltedOnlyAboutOx) {
  const PassSetup setups[] = {
      MakeSetup(kMatte, 1, 1, 0, "30", "0", "0", "0"),
      MakeSetup(kMatte, 0, 0, 0, "-75", "0", "0", "35"),
      MakeSetup(kGlossy, 1, 0, 0, "150", "0", "0", "-100"),
      MakeSetup(kGlossy, 0, 1, 0, "90", "0", "0", "20"),
      MakeSetup(kRocky, 1, 0, 0, "0", "0", "0", "60"),
      MakeSetup(kRocky, 0, 1, 0, "45", "0", "0", "-10"),
      MakeSetup(kMirror, 1, 1, 0, "20", "0", "0", "30"),
      MakeSetup(kMirror, 0, 0, 0, "-200", "0", "0", "5"),
  };
  for (const PassSetup& setup : setups) {
    SCOPED_TRACE(setup.Describe());
    const PassResult pass = RunPass(setup);
    const RecordedPicture& picture = pass.picture;
    const int width = picture.Width();  // odd: column x mirrors column width - x
    int asymmetric = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 1; x < width; ++x) {
        if (picture.Painted(x, y) != picture.Painted(width - x, y) ||
            !(picture.At(x, y) == picture.At(width - x, y))) {
          ++asymmetric;
        }
      }
    }
    EXPECT_EQ(asymmetric, 0);
  }
}

// With the source towards the viewer (slant 90, no rotation) phi of the matte function is the
// depth of the sphere point, sqrt(1 - r^2) at r pixels from the centre, so every isoline band is
// a ring. Grey and colour pictures differ exactly on the rings: the grey shader lifts a band,
// the colour shader tints it, and both paint everything else alike.
TEST(RunShadeCommand, MarksTheIsolineRingsWherePhiIsNearALevel) {
  constexpr double kMargin = 2e-4;  // phi this close to a band edge may fall either way
  RenderState initial;
  ApplyStartupValues(initial);
  PassSetup setup = MakeSetup(kMatte, 0, 0, 0, "0", "0", "0", "90");
  const PassResult grey = RunPass(setup, initial);
  setup.showIsolines = 1;
  const PassResult colour = RunPass(setup, initial);

  int inBand = 0;
  int wrong = 0;
  for (int y = 0; y < grey.picture.Height(); ++y) {
    for (int x = 0; x < grey.picture.Width(); ++x) {
      const double r = Radius(grey.picture, x, y) / kSphereRadiusPixels;
      if (r >= 0.99) continue;
      const double phi = std::sqrt(1.0 - r * r);
      double edgeDistance = 1.0;
      bool inside = false;
      for (int k = 0; k < kIsoBandCount; ++k) {
        const double offset = std::fabs(phi - initial.isoLevel[k]);
        edgeDistance = std::min(edgeDistance, std::fabs(offset - initial.isoHalfWidth[k]));
        inside = inside || offset <= initial.isoHalfWidth[k];
      }
      if (edgeDistance < kMargin) continue;
      inBand += inside;
      const bool differs = !(grey.picture.At(x, y) == colour.picture.At(x, y));
      if (differs != inside) ++wrong;
    }
  }
  EXPECT_GT(inBand, 500);
  EXPECT_EQ(wrong, 0);
}

// Smoothing samples a quarter pixel around the centre, so a pixel changes much only where the
// single samples show an edge (the outline, the cut of the half sphere, a zone) or where an isoline
// band narrower than a pixel passes between the single samples. Legend half-widths below zero
// leave no band and no zone: then only edges remain.
TEST(RunShadeCommand, SmoothingChangesOnlyPixelsAtEdgesAndBands) {
  constexpr int kChanged = 8;
  RenderState banded;
  ApplyStartupValues(banded);
  RenderState bandless = banded;
  bandless.isoHalfWidth.fill(-0.005F);

  const PassSetup setups[] = {
      MakeSetup(kMatte, 1, 1, 1, "30", "0", "0", "20"),
      MakeSetup(kMatte, 0, 0, 1, "-40", "25", "10", "110"),
      MakeSetup(kGlossy, 1, 0, 1, "30", "0", "0", "45"),
      MakeSetup(kGlossy, 0, 1, 1, "60", "-15", "5", "0"),
      MakeSetup(kRocky, 1, 1, 1, "30", "0", "0", "70"),
      MakeSetup(kRocky, 0, 0, 1, "10", "10", "0", "-30"),
  };
  for (const PassSetup& setup : setups) {
    SCOPED_TRACE(setup.Describe());
    PassSetup single = setup;
    single.smoothing = false;
    const RecordedPicture smooth = RunPass(setup, banded).picture;
    const RecordedPicture plain = RunPass(single, banded).picture;
    const RecordedPicture smoothBandless = RunPass(setup, bandless).picture;
    const RecordedPicture plainBandless = RunPass(single, bandless).picture;

    // Pixels that smoothing changes although no neighbour of the single-sample picture differs.
    const auto changedOffEdge = [](const RecordedPicture& s, const RecordedPicture& p, int x,
                                   int y) {
      if (ColourDistance(s.At(x, y), p.At(x, y)) < kChanged) return false;
      for (int ny = y - 1; ny <= y + 1; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) {
          if (ColourDistance(p.At(nx, ny), p.At(x, y)) >= kChanged) return false;
        }
      }
      return true;
    };
    int changed = 0;
    int bandlessOffEdge = 0;
    int offEdgeWithoutBand = 0;
    for (int y = 1; y + 1 < plain.Height(); ++y) {
      for (int x = 1; x + 1 < plain.Width(); ++x) {
        changed += ColourDistance(smooth.At(x, y), plain.At(x, y)) >= kChanged;
        bandlessOffEdge += changedOffEdge(smoothBandless, plainBandless, x, y);
        if (changedOffEdge(smooth, plain, x, y) && smooth.At(x, y) == smoothBandless.At(x, y)) {
          ++offEdgeWithoutBand;
        }
      }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(bandlessOffEdge, 0);
    EXPECT_EQ(offEdgeWithoutBand, 0);
  }
}

TEST(RunShadeCommand, ChangesNothingOnBadInput) {
  RenderState initial;
  ApplyStartupValues(initial);
  initial.rotX = 0.5F;
  initial.reflectanceKind = kGlossy;  // s is read only for the glossy function
  PassSetup setup = MakeSetup(kGlossy, 1, 1, 0, "30", "0", "0", "0");
  setup.inputs.glossS = "";
  const PassResult pass = RunPass(setup, initial);
  ASSERT_TRUE(std::holds_alternative<InputError>(pass.outcome));
  EXPECT_EQ(std::get<InputError>(pass.outcome).field, ShadeField::kGlossS);
  EXPECT_TRUE(pass.state == initial);
  EXPECT_EQ(pass.picture.clears, 0);
  EXPECT_EQ(pass.picture.paints, 0);
}

TEST(RunShadeCommand, DecidesTheArrowFromRotXAndTheTypedRotY) {
  const struct {
    const char* rotX;
    const char* rotY;
    bool shown;
    float shaftLowerY;
  } cases[] = {{"30", "0", true, 82.0F},
               {"30", "0.5", false, 0.0F},
               {"90", "0", false, 0.0F},
               {"10", "0", true, 70.0F},  // 70.527 floored
               // 1e-44 degrees is a float, but its radians round to 0: the typed text decides.
               {"30", "1e-44", false, 0.0F}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rotX) + " / " + c.rotY);
    const PassResult pass = RunPass(MakeSetup(kMatte, 1, 1, 0, c.rotX, c.rotY, "0", "0"));
    ASSERT_TRUE(std::holds_alternative<ShadePass>(pass.outcome));
    const ArrowState arrow = std::get<ShadePass>(pass.outcome).arrow;
    EXPECT_EQ(arrow.shown, c.shown);
    if (c.shown) {
      EXPECT_EQ(arrow.shaftLowerY, c.shaftLowerY);
    }
  }
}

}  // namespace
