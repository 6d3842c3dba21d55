// phi under the figure's sources: the described source reads the map's own phi bit for bit for
// every kind of law, a tilted source lights as its turned direction does, and the readout of a
// pixel gives each source's phi.

#include "shading/source_phi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "figure_state.h"
#include "shading/readout.h"

namespace {

TEST(SourcePhi, DescribedSourceReadsTheMapsPhiAtEveryPixel) {
  const struct {
    const char* name;
    RenderState state;
  } kRows[] = {
      {"matte", FigureState(kMatte, 30.0)},
      {"glossy", FigureState(kGlossy, -50.0)},
      {"rocky", FigureState(kRocky, 20.0)},
      {"mirror", FigureState(kMirror, 40.0)},
      {"minnaert", FigureState(kMinnaert, 10.0)},
      {"hapke", FigureState(kHapke, 70.0)},
      {"cook-torrance", FigureState(kCookTorrance, 25.0)},
      {"formula", FormulaState("ci^2 * ce", 35.0)},
  };
  const GradientView views[] = {{}, {93.0, 12.5, -40.0}};
  for (const auto& row : kRows) {
    for (const GradientView& view : views) {
      const SourcePhiField field(row.state, DescribedSource(row.state));
      int faults = 0;
      for (int y = 0; y < 200; y += 3) {
        for (int x = 0; x < 260; x += 3) {
          const std::optional<Readout> readout =
              GradientReadoutAtPixel(row.state, 260, 200, x, y, view);
          const Gradient g = GradientAtPixel(view, 260, 200, x, y);
          const SampleReading reading = field.Read(g);
          const float phi = SourcePhi(row.state, DescribedSource(row.state), g);
          const auto same = [](float a, float b) {
            return a == b || (std::isnan(a) && std::isnan(b));
          };
          faults += same(phi, readout->reading.phi) &&
                            same(reading.functionPhi, readout->reading.functionPhi) &&
                            reading.cosI == readout->reading.cosI
                        ? 0
                        : 1;
        }
      }
      EXPECT_EQ(faults, 0) << row.name << " at " << view.pixelsPerUnit << " px/unit";
    }
  }
}

// The matte phi is cos i = N.L, N = (-p, -q, 1) / |...| and L the source turned by its tilt:
// (-sin s sin t, sin s cos t, cos s).
TEST(SourcePhi, TiltTurnsTheSourceAboutTheViewAxis) {
  const RenderState state = FigureState(kMatte, 0.0);
  for (double slant : {20.0, 55.0, -35.0}) {
    for (double tilt : {0.0, 30.0, 90.0, -135.0, 200.0}) {
      const double s = slant * kPi / 180.0;
      const double t = tilt * kPi / 180.0;
      const double lx = -std::sin(s) * std::sin(t);
      const double ly = std::sin(s) * std::cos(t);
      const double lz = std::cos(s);
      const SourcePhiField field(state, {slant, tilt});
      for (double p : {-1.5, -0.2, 0.0, 0.7}) {
        for (double q : {-0.9, 0.0, 0.4, 2.0}) {
          const double expected = (-p * lx - q * ly + lz) / std::sqrt(1.0 + p * p + q * q);
          EXPECT_NEAR(field.FunctionPhi({p, q}), expected, 2e-6)
              << "slant " << slant << " tilt " << tilt << " p " << p << " q " << q;
          EXPECT_EQ(field.Lit({p, q}), field.Read({p, q}).cosI > 0.0F);
        }
      }
    }
  }
}

TEST(SourcePhi, PixelReadsEachSourcesFunctionPhi) {
  const RenderState state = FigureState(kGlossy, 30.0);
  const GradientView view{70.0, 10.0, 5.0};
  const std::vector<LightAim> sources{{40.0, 90.0}, {25.0, -45.0}};
  const std::vector<float> phis = SourcePhisAtPixel(state, sources, view, 300, 200, 120, 80);
  ASSERT_EQ(phis.size(), 2U);
  const Gradient g = GradientAtPixel(view, 300, 200, 120, 80);
  EXPECT_EQ(phis[0], SourcePhiField(state, sources[0]).Read(g).functionPhi);
  EXPECT_EQ(phis[1], SourcePhiField(state, sources[1]).Read(g).functionPhi);
  EXPECT_NE(phis[0], phis[1]);
}

}  // namespace
