#include "pass/exposure.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

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
