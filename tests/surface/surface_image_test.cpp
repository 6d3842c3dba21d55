// The image irradiance equation: every cell is painted as the map paints its (p, q), for every
// function and law; matte's phi is N.S for a tilted source; the gradients follow the grid's
// spacing and y upwards, and the hemisphere's are the sphere's within the difference error.

#include "surface/surface_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

#include "model/angles.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "photometry/light_source.h"
#include "photometry/pass_constants.h"
#include "photometry/shaders.h"
#include "surface/surface_catalogue.h"

namespace {

RenderState LawState(int32_t kind) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kind;
  state.law = StartLawSettings(kind);
  state.glossS = 0.7;
  state.glossN = 5.0;
  if (kind == kFormula) {
    state.law.formula = std::get<std::shared_ptr<const CustomFormula>>(
        CompileFormula("ci^0.7 * ce^(-0.3) + 0.1*cg", {}));
  }
  AimLightSource(state, RadiansFromDegrees(35.0));
  if (kind == kMirror) state.mirrorTolerance = MirrorToleranceForSlant(state.sourceSlant);
  return state;
}

// The map's own colouring of an orientation: its pass's path, not the surface's.
Rgb MapColour(const RenderState& lastPass, Gradient g) {
  RenderState sample = lastPass;
  sample.subSample = 0;
  ColourSurfacePoint(GradientNormal(g), sample, MakePassConstants(lastPass));
  return LimitSums(sample);
}

TEST(SurfaceImage, EveryCellIsTheMapAtItsOrientation) {
  std::mt19937 pick(7);
  for (int32_t kind = kMatte; kind <= kFormula; ++kind) {
    for (const int16_t colour : {int16_t{0}, int16_t{1}}) {
      RenderState state = LawState(kind);
      state.showIsolines = colour;
      for (const SurfaceKind& surface : SurfaceCatalogue()) {
        const SurfaceScene scene = MakeScene(MakeSurface(surface, 48, 40, StartValues(surface)));
        ImageBuffer image(48, 40);
        PaintSurfaceImage(state, scene, {35.0, 0.0}, {}, image);
        for (int n = 0; n < 40; ++n) {
          const int column = static_cast<int>(pick() % 48);
          const int row = static_cast<int>(pick() % 40);
          ASSERT_EQ(image.At(column, row), MapColour(state, scene.gradients.At(column, row)))
              << "law " << kind << " " << surface.name << " at " << column << "," << row;
        }
      }
    }
  }
}

// With the source tilted, matte's phi is N.S, S = (-sin s sin t, sin s cos t, cos s).
TEST(SurfaceImage, MattePhiIsTheNormalAlongTheTiltedSource) {
  const SurfaceKind& hills = *FindSurfaceKind("hills");
  const SurfaceScene scene = MakeScene(MakeSurface(hills, 64, 64, {3, 30, 0.3, 5}));
  const RenderState state = LawState(kMatte);
  for (const double tilt : {0.0, 60.0, 200.0}) {
    const LightAim source{40.0, tilt};
    const double s = 40.0 * std::numbers::pi / 180.0;
    const double t = tilt * std::numbers::pi / 180.0;
    for (const auto& [column, row] : {std::pair{10, 12}, std::pair{40, 50}, std::pair{33, 20}}) {
      const std::optional<SurfaceReadout> read =
          ReadSurfaceCell(state, scene, {source}, {}, column, row);
      ASSERT_TRUE(read.has_value());
      const Gradient g = read->gradient;
      const double expected =
          (g.p * std::sin(s) * std::sin(t) - g.q * std::sin(s) * std::cos(t) + std::cos(s)) /
          std::sqrt(1.0 + g.p * g.p + g.q * g.q);
      EXPECT_NEAR(read->sources[0].reading.functionPhi, expected, 2e-6) << tilt;
    }
  }
}

// A plane z = a x + b y on a grid of spacing 0.5 by 0.25, rows from the top: p = a, q = b at
// every cell, border and beside a hole alike.
TEST(SurfaceGradients, APlaneHasItsSlopesEverywhere) {
  HeightField plane{9, 7, 0.5, 0.25, {}};
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 9; ++column) {
      plane.z.push_back(0.75 * column * 0.5 - 1.5 * (6 - row) * 0.25);
    }
  }
  plane.At(4, 3) = std::nan("");
  const SurfaceGradients g = GradientsOf(plane);
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 9; ++column) {
      if (column == 4 && row == 3) {
        EXPECT_FALSE(g.Has(column, row));
        continue;
      }
      EXPECT_EQ(g.At(column, row).p, 0.75) << column << "," << row;
      EXPECT_EQ(g.At(column, row).q, -1.5) << column << "," << row;
    }
  }
}

// Inside 0.9 of its radius the hemisphere's normals are the sphere's within the central
// difference's error, h^2/6 times the third derivative (bounded here at that radius).
TEST(SurfaceGradients, TheHemisphereHasTheSpheresNormals) {
  const SurfaceKind& hemisphere = *FindSurfaceKind("hemisphere");
  const HeightField field = MakeSurface(hemisphere, 101, 101, {0.8});
  const SurfaceGradients g = GradientsOf(field);
  const double radius = 0.8 * 50.5;
  double worst = 0.0;
  for (int row = 0; row < 101; ++row) {
    for (int column = 0; column < 101; ++column) {
      const double x = column - 50.0;
      const double y = 50.0 - row;
      if (std::hypot(x, y) > 0.9 * radius) continue;
      const double z = std::sqrt(radius * radius - x * x - y * y);
      worst = std::max(
          {worst, std::fabs(g.At(column, row).p + x / z), std::fabs(g.At(column, row).q + y / z)});
    }
  }
  EXPECT_LT(worst, 0.05);
  EXPECT_GT(worst, 1e-4);  // the difference is not the exact derivative
}

}  // namespace
