#include "pass/observer_arrow.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "intake/parameter_intake.h"
#include "model/startup_values.h"

namespace {

struct ArrowCase {
  std::string rotX;  // degrees, as typed
  std::string rotY;
  bool shown;
  float shaftLowerY;  // when shown
};

// At 10 degrees the shaft's end is 69 + 100.5 * (1 - cos 10 degrees) = 70.527, floored to 70.
TEST(DecideObserverArrow, ShowsTheArrowOnlyForModerateTiltsAboutOx) {
  const ArrowCase cases[] = {
      {"30", "0", true, 82.0F},   {"70", "0", true, 135.0F},   {"-30", "0", true, 69.0F},
      {"0", "0", true, 69.0F},    {"-70", "0", true, 69.0F},   {"1", "0", true, 69.0F},
      {"45", "-0", true, 98.0F},  {"70.01", "0", false, 0.0F}, {"-70.01", "0", false, 0.0F},
      {"30", "0.5", false, 0.0F}, {"90", "0", false, 0.0F},    {"30", "1e-30", false, 0.0F},
      {"10", "0", true, 70.0F},   {"-10", "0", true, 69.0F},
  };
  const NumberFormat format = CNumberFormat();
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE("rotX \"" + c.rotX + "\", Text2 \"" + c.rotY + "\"");
    RenderState state;
    ApplyStartupValues(state);
    ShadeInputs inputs;
    inputs.rotX = c.rotX;
    inputs.rotY = c.rotY;
    const ShadeIntakeOutcome intake = ReadShadeParameters(state, inputs, format);
    ASSERT_TRUE(std::holds_alternative<ShadeIntake>(intake));
    const ArrowState arrow =
        DecideObserverArrow(state.rotX, std::get<ShadeIntake>(intake).rotYDegrees);
    EXPECT_EQ(arrow.shown, c.shown);
    if (c.shown) {
      EXPECT_EQ(arrow.shaftLowerY, c.shaftLowerY);
    }
  }
}

TEST(NextArrowDrawMode, TogglesOnLine1sModeAlone) {
  const struct {
    int line1Mode;
    int next;
  } cases[] = {{kDrawModeInvert, kDrawModeNop},
               {kDrawModeNop, kDrawModeInvert},
               {13, kDrawModeNop},
               {0, kDrawModeNop}};
  for (const auto& c : cases) {
    EXPECT_EQ(NextArrowDrawMode(c.line1Mode), c.next) << "Line1 mode " << c.line1Mode;
  }
}

}  // namespace
