#include "pass/exposure.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "intake/number_text.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/shade_command.h"
#include "photometry/sample_colour.h"

namespace {

// The readouts of a one-row picture whose pixels read `phis` (NaN: background).
double AutoExposureOf(const std::vector<float>& phis) {
  return AutoExposure(static_cast<int>(phis.size()), 1,
                      [&](int x, int /*y*/) -> std::optional<Readout> {
                        const float phi = phis[static_cast<size_t>(x)];
                        if (phi != phi) return std::nullopt;
                        Readout readout;
                        readout.reading.functionPhi = phi;
                        return readout;
                      });
}

// Infinities and negative values take no part; the brightest finite phi is painted white.
TEST(AutoExposure, PaintsTheBrightestFinitePhiWhite) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    std::vector<float> phis;
    double exposure;
  };
  const Case cases[] = {
      {{0.5F, 1.84F, kInf, kNaN, -3.0F}, 1.0 / double{1.84F}},
      {{0.01F, 0.005F}, kMaxExposure},  // kept within the range
      {{25.0F}, kMinExposure},
      {{-1.0F, kNaN, 0.0F}, 1.0},  // nothing lit: unchanged
  };
  for (const Case& c : cases) {
    const double k = AutoExposureOf(c.phis);
    EXPECT_DOUBLE_EQ(k, c.exposure) << "first phi " << c.phis.front();
  }
  EXPECT_EQ(GreyLevel(ExposedTone(1.84F, AutoExposureOf({0.3F, 1.84F}))), 255);
}

}  // namespace

// Bands drawn as lines leave out only the bands' lift or tint: the picture is the one whose
// levels no phi reaches, shadow zones and all (their bounds come from the half-widths).
TEST(BandsAsLines, PaintsTheToneWhereTheBandsWere) {
  static constexpr const char* kSlant = "70";  // a self-shadow zone and a fringe in the picture
  for (const int16_t colour : {int16_t{0}, int16_t{1}}) {
    const auto paint = [colour](bool asLines, float level) {
      RenderState state;
      ApplyStartupValues(state);
      state.showIsolines = colour;
      state.bandsAsLines = static_cast<int16_t>(asLines ? 1 : 0);
      if (level != 0.0F) state.isoLevel.fill(level);
      const ShadeInputs inputs{.slant = std::string(kSlant)};
      ImageBuffer picture(120, 100);
      RunShadeCommand(state, picture, inputs, CNumberFormat(), true);
      std::vector<uint32_t> words;
      for (int y = 0; y < picture.Height(); ++y) {
        words.insert(words.end(), picture.Row(y), picture.Row(y) + picture.Width());
      }
      return words;
    };
    const std::vector<uint32_t> lines = paint(true, 0.0F);
    EXPECT_EQ(lines, paint(false, 50.0F)) << "colour " << colour;
    EXPECT_NE(lines, paint(false, 0.0F)) << "colour " << colour;
  }
}
