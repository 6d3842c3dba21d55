// The mirror function's tolerance, chosen by the intake from the typed slant: each band, the
// gaps between bands, beyond the last band, and other functions keeping theirs.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "intake/parameter_intake.h"
#include "model/startup_values.h"

namespace {

const NumberFormat kEnglish{".", ","};

RenderState StartupState() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

struct ToleranceCase {
  std::string slant;
  float tolerance;
};

TEST(ReadShadeParameters, ChoosesTheMirrorToleranceByTheSlant) {
  const ToleranceCase cases[] = {
      {"0", 0.03F},
      {"0.99", 0.03F},
      {"-0.99", 0.03F},
      {"-1", 0.017F},
      {"1", 0.017F},
      {"4", 0.017F},
      {"4.01", 0.01F},
      {"5", 0.01F},
      {"7", 0.007F},
      {"-9", 0.007F},
      {"14", 0.005F},
      {"23", 0.003F},
      {"34", 0.002F},
      {"45", 0.001F},
      {"63", 0.001F},
      {"-63", 0.001F},
      {"63.01", 0.0005F},
      {"-63.01", 0.0005F},
      {"180", 0.0005F},
      {"-180", 0.0005F},
      // Between two bands the next band up holds; beyond the last its tolerance goes on.
      {"0.995", 0.017F},
      {"-0.995", 0.017F},
      {"4.005", 0.01F},
      {"34.005", 0.001F},
      {"63.005", 0.0005F},
      {"200", 0.0005F},
      {"-1e30", 0.0005F},
  };
  for (const ToleranceCase& c : cases) {
    SCOPED_TRACE("slant \"" + c.slant + "\"");
    RenderState state = StartupState();
    state.reflectanceKind = kMirror;
    ShadeInputs inputs;
    inputs.slant = c.slant;
    ASSERT_TRUE(std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, kEnglish)));
    EXPECT_EQ(state.mirrorTolerance, c.tolerance);
  }
}

TEST(ReadShadeParameters, KeepsTheMirrorToleranceForOtherFunctions) {
  for (int32_t kind : {kMatte, kGlossy, kRocky}) {
    SCOPED_TRACE("reflectanceKind " + std::to_string(kind));
    RenderState state = StartupState();
    state.reflectanceKind = kind;
    state.mirrorTolerance = 0.017F;
    ASSERT_TRUE(
        std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, ShadeInputs{}, kEnglish)));
    EXPECT_EQ(state.mirrorTolerance, 0.017F);
  }
}

}  // namespace
