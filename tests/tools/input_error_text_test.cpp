#include "input_error_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
      // Readable as a number, refused for its size in radians.
      {ShadeField::kRotX, "3e38", "--rot-x: \"3e38\" is too large"},
      {ShadeField::kSlant, "-1e39", "--slant: \"-1e39\" is too large"},
  };
  for (const Case& c : cases) {
    // The shade command's own message is Russian; the renderer never shows it.
    const InputError error{c.field, c.text, "Поле"};
    EXPECT_EQ(DescribeInputError(error), c.expected) << c.text;
  }
}

}  // namespace
