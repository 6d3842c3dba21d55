#include "input_error_text.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "model/startup_values.h"

namespace {

// The error the shade command's intake reports for `text` in `field` on a fresh state, with the
// glossy function so that s and n are read.
InputError IntakeError(ShadeField field, const std::string& text) {
  RenderState state;
  ApplyStartupValues(state);
  state.reflectanceKind = kGlossy;
  ShadeInputs inputs;
  std::string* const texts[] = {&inputs.rotX,  &inputs.rotY,   &inputs.rotZ,
                                &inputs.slant, &inputs.glossS, &inputs.glossN};
  *texts[static_cast<int>(field)] = text;
  ShadeIntakeOutcome outcome = ReadShadeParameters(state, inputs, CNumberFormat());
  if (auto* error = std::get_if<InputError>(&outcome)) return *error;
  ADD_FAILURE() << "\"" << text << "\" read";
  return InputError{field, text, NumberError::kNone, ""};
}

TEST(InputErrorTextTest, NamesTheOptionAndWhatIsWrongInEnglish) {
  struct Case {
    ShadeField field;
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {ShadeField::kRotX, "abc", "--rot-x: \"abc\" is not a number"},
      {ShadeField::kRotY, "1e39", "--rot-y: \"1e39\" is too large"},
      {ShadeField::kRotZ, "", "--rot-z is empty: give a number"},
      {ShadeField::kSlant, " \t", "--slant is empty: give a number"},
      {ShadeField::kGlossS, "1e400", "--s: \"1e400\" is too large"},
      {ShadeField::kGlossN, "1,5",
       "--n: \"1,5\" is not a number: use a point as the decimal separator"},
      {ShadeField::kGlossN, "1,5x", "--n: \"1,5x\" is not a number"},
      // Readable as a 64-bit number, refused for its size as a 32-bit one or in radians.
      {ShadeField::kRotZ, "1e39", "--rot-z: \"1e39\" is too large"},
      {ShadeField::kSlant, "1e41", "--slant: \"1e41\" is too large"},
      {ShadeField::kSlant, "-1e41", "--slant: \"-1e41\" is too large"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DescribeInputError(IntakeError(c.field, c.text)), c.expected) << c.text;
  }
}

}  // namespace
