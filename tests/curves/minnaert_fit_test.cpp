// Minnaert's k read back from the photometric equator of a sphere painted by Minnaert's law (and
// k = 1 from the matte sphere), whatever the phase angle; too few usable samples give none.

#include "curves/minnaert_fit.h"

#include <gtest/gtest.h>

#include "curves/photometric_equator.h"
#include "intake/number_text.h"
#include "model/image_buffer.h"
#include "model/startup_values.h"
#include "pass/shade_command.h"
#include "photometry/law_catalogue.h"

namespace {

TEST(MinnaertFit, ReadsKBackFromTheEquator) {
  const struct {
    int32_t kind;
    double k;
    const char* slant;
  } kRows[] = {{kMatte, 1.0, "30"}, {kMinnaert, 0.6, "40"}, {kMinnaert, 1.4, "70"}};
  for (const auto& row : kRows) {
    RenderState state;
    ApplyStartupValues(state);
    state.reflectanceKind = row.kind;
    state.law = StartLawSettings(row.kind);
    if (row.kind == kMinnaert) state.law.parameters[kMinnaertK] = row.k;
    ShadeInputs inputs;
    inputs.rotX = "0";
    inputs.slant = row.slant;
    ImageBuffer picture(kDefaultPictureWidth, kDefaultPictureHeight);
    RunShadeCommand(state, picture, inputs, CNumberFormat(), false);
    ASSERT_EQ(state.reflectanceKind, row.kind);
    const std::optional<MinnaertFit> fit =
        FitMinnaert(PhotometricEquatorProfile(state, kDefaultPictureWidth, kDefaultPictureHeight));
    ASSERT_TRUE(fit.has_value()) << row.kind;
    EXPECT_NEAR(fit->k, row.k, 2e-3) << row.kind << " k " << row.k;
    EXPECT_NEAR(fit->b0, 1.0, 5e-3) << row.kind << " k " << row.k;
    EXPECT_GT(fit->points, 100);
  }
  EXPECT_FALSE(FitMinnaert({}).has_value());
}

}  // namespace
