#include "intake/parameter_intake.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "model/startup_values.h"

namespace {

const NumberFormat kEnglish{".", ","};
const NumberFormat kRussian{",", "\xC2\xA0"};
const NumberFormat kGerman{",", "."};

RenderState StartupState() {
  RenderState state;
  ApplyStartupValues(state);
  return state;
}

std::string* FieldText(ShadeInputs& inputs, ShadeField field) {
  switch (field) {
    case ShadeField::kRotX:
      return &inputs.rotX;
    case ShadeField::kRotY:
      return &inputs.rotY;
    case ShadeField::kRotZ:
      return &inputs.rotZ;
    case ShadeField::kSlant:
      return &inputs.slant;
    case ShadeField::kGlossS:
      return &inputs.glossS;
    case ShadeField::kGlossN:
      return &inputs.glossN;
  }
  return nullptr;
}

ShadeInputs WithText(ShadeField field, const std::string& text) {
  ShadeInputs inputs;
  *FieldText(inputs, field) = text;
  return inputs;
}

enum class Quantity { kRotX, kRotY, kRotZ, kSourceY, kSourceZ };

float ValueOf(const RenderState& state, Quantity quantity) {
  switch (quantity) {
    case Quantity::kRotX:
      return state.rotX;
    case Quantity::kRotY:
      return state.rotY;
    case Quantity::kRotZ:
      return state.rotZ;
    case Quantity::kSourceY:
      return state.sourceY;
    case Quantity::kSourceZ:
      return state.sourceZ;
  }
  return 0;
}

struct AngleCase {
  ShadeField field;
  std::string text;
  const NumberFormat* format;
  Quantity quantity;
  float expected;
};

TEST(ReadShadeParameters, ConvertsAnglesAndReplacesOnlyExactRightAngles) {
  const AngleCase cases[] = {
      {ShadeField::kRotX, "90", &kEnglish, Quantity::kRotX, 1.5681770F},
      {ShadeField::kRotX, "-90", &kEnglish, Quantity::kRotX, -1.5681770F},
      {ShadeField::kRotX,
       "\xE2\x88\x92"
       "90",
       &kRussian, Quantity::kRotX, -1.5681770F},
      {ShadeField::kRotX, "90.0", &kEnglish, Quantity::kRotX, 1.5681770F},
      {ShadeField::kRotX, "90,0", &kRussian, Quantity::kRotX, 1.5681770F},
      // Reads as exactly 90 in 32 bits, so it is replaced too.
      {ShadeField::kRotX, "90.0000001", &kEnglish, Quantity::kRotX, 1.5681770F},
      {ShadeField::kRotX, "91", &kEnglish, Quantity::kRotX, 1.58824825F},
      {ShadeField::kRotX, "89.99", &kEnglish, Quantity::kRotX, 1.57062042F},
      {ShadeField::kRotX, "30", &kEnglish, Quantity::kRotX, 0.523598313F},
      {ShadeField::kRotY, "90", &kEnglish, Quantity::kRotY, 1.5707951F},
      {ShadeField::kRotY, "-90", &kEnglish, Quantity::kRotY, -1.5707951F},
      {ShadeField::kRotZ, "90", &kEnglish, Quantity::kRotZ, 1.5638137F},
      {ShadeField::kRotZ, "-90", &kEnglish, Quantity::kRotZ, -1.5638137F},
      // Not exactly 90 in 64 bits: converted plainly from its 32-bit value, 90.
      {ShadeField::kRotZ, "90.0000001", &kEnglish, Quantity::kRotZ, 1.5707951F},
      {ShadeField::kSlant, "0", &kEnglish, Quantity::kSourceY, 0.0F},
      {ShadeField::kSlant, "0", &kEnglish, Quantity::kSourceZ, 1.0F},
      {ShadeField::kSlant, "90", &kEnglish, Quantity::kSourceY, 1.0F},
      {ShadeField::kSlant, "90", &kEnglish, Quantity::kSourceZ, 1.26759085e-06F},
      {ShadeField::kSlant, "-30", &kEnglish, Quantity::kSourceY, -0.499999613F},
  };
  for (const AngleCase& c : cases) {
    SCOPED_TRACE("field " + std::to_string(static_cast<int>(c.field)) + ", text \"" + c.text +
                 "\"");
    RenderState state = StartupState();
    ASSERT_TRUE(std::holds_alternative<ShadeIntake>(
        ReadShadeParameters(state, WithText(c.field, c.text), *c.format)));
    EXPECT_EQ(ValueOf(state, c.quantity), c.expected);
    EXPECT_EQ(state.sourceX, 0.0F);
  }
}

TEST(ReadShadeParameters, ReadsTheGlossyParametersAsDoubles) {
  RenderState state = StartupState();
  ShadeInputs inputs;
  inputs.glossS = "0,1";
  inputs.glossN = "1e300";
  ASSERT_TRUE(std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, kRussian)));
  EXPECT_EQ(state.glossS, 0.1);
  EXPECT_EQ(state.glossN, 1e300);
}

struct BadInputCase {
  ShadeField field;
  std::string text;
  const NumberFormat* format;
  NumberError reason;
  std::string message;
};

TEST(ReadShadeParameters, RejectsBadInputNamingTheFieldAndChangingNothing) {
  const BadInputCase cases[] = {
      {ShadeField::kRotX, "abc", &kEnglish, NumberError::kNotANumber,
       "Поле «Поворот по Ox» содержит «abc»: это не число."},
      {ShadeField::kRotX, "", &kEnglish, NumberError::kNotANumber,
       "Поле «Поворот по Ox» не заполнено: введите число."},
      {ShadeField::kRotX, "1e39", &kEnglish, NumberError::kOverflow,
       "Поле «Поворот по Ox» содержит «1e39»: число слишком велико."},
      {ShadeField::kRotY, "-1e39", &kEnglish, NumberError::kOverflow,
       "Поле «Поворот по Oy» содержит «-1e39»: число слишком велико."},
      {ShadeField::kRotY, "0.5", &kGerman, NumberError::kOtherDecimalSeparator,
       "Поле «Поворот по Oy» содержит «0.5»: это не число, дробную часть отделяйте запятой."},
      {ShadeField::kRotY, "0.5.", &kGerman, NumberError::kNotANumber,
       "Поле «Поворот по Oy» содержит «0.5.»: это не число."},
      {ShadeField::kRotZ, "1e39", &kEnglish, NumberError::kOverflow,
       "Поле «Поворот по Oz» содержит «1e39»: число слишком велико."},
      {ShadeField::kRotZ, "1e309", &kEnglish, NumberError::kOverflow,
       "Поле «Поворот по Oz» содержит «1e309»: число слишком велико."},
      {ShadeField::kSlant, "1e41", &kEnglish, NumberError::kOverflow,
       "Поле «Наклон источника» содержит «1e41»: число слишком велико."},
      {ShadeField::kSlant, "  ", &kEnglish, NumberError::kNotANumber,
       "Поле «Наклон источника» не заполнено: введите число."},
      {ShadeField::kGlossS, "0,5", &kEnglish, NumberError::kOtherDecimalSeparator,
       "Поле «s» содержит «0,5»: это не число, дробную часть отделяйте точкой."},
      {ShadeField::kGlossS, "", &kRussian, NumberError::kNotANumber,
       "Поле «s» не заполнено: введите число."},
      {ShadeField::kGlossN, "1e309", &kEnglish, NumberError::kOverflow,
       "Поле «n» содержит «1e309»: число слишком велико."},
      {ShadeField::kGlossN, "16 16", &kEnglish, NumberError::kNotANumber,
       "Поле «n» содержит «16 16»: это не число."},
  };
  for (const BadInputCase& c : cases) {
    SCOPED_TRACE("field " + std::to_string(static_cast<int>(c.field)) + ", text \"" + c.text +
                 "\"");
    RenderState state = StartupState();
    // s and n are read only for the glossy function; the other fields are tried with the mirror.
    const bool gloss = c.field == ShadeField::kGlossS || c.field == ShadeField::kGlossN;
    state.reflectanceKind = gloss ? kGlossy : kMirror;
    state.rotX = 0.25F;
    state.sourceSlant = 0.125F;
    state.mirrorTolerance = 0.007F;
    state.glossS = 0.75;
    const RenderState before = state;
    const ShadeIntakeOutcome outcome =
        ReadShadeParameters(state, WithText(c.field, c.text), *c.format);
    const InputError* error = std::get_if<InputError>(&outcome);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, c.field);
    EXPECT_EQ(error->text, c.text);
    EXPECT_EQ(error->reason, c.reason);
    EXPECT_EQ(error->message, c.message);
    EXPECT_TRUE(state == before);
  }
}

TEST(ReadShadeParameters, AcceptsTheLargestSlantWhoseRadiansFitAFloat) {
  RenderState state = StartupState();
  ShadeInputs inputs;
  inputs.slant = "1e40";  // 1.7e38 radians
  EXPECT_TRUE(std::holds_alternative<ShadeIntake>(ReadShadeParameters(state, inputs, kEnglish)));
}

TEST(ReadShadeParameters, ReportsTheFirstBadField) {
  RenderState state = StartupState();
  const ShadeInputs inputs{"30", "1e40", "x", "0", "0.5", ""};
  const ShadeIntakeOutcome outcome = ReadShadeParameters(state, inputs, kEnglish);
  const InputError* error = std::get_if<InputError>(&outcome);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, ShadeField::kRotY);
}

// s and n are needed by the glossy function alone: with any other, a text of theirs that does
// not read cannot fail and keeps its field's value. With the glossy one they are checked.
TEST(ReadShadeParameters, GlossFieldsFailOnlyForTheGlossyFunction) {
  const struct {
    int32_t function;
    const char* s;
    const char* n;
    bool fails;
    double wantS;
    double wantN;
    std::string kept;  // the fields that kept their values: "s", "n", "sn" or ""
  } cases[] = {
      {kMatte, "", "x", false, 0.75, 8.0, "sn"},
      {kMatte, "abc", "4", false, 0.75, 4.0, "s"},
      {kRocky, "0.1", "1e400", false, 0.1, 8.0, "n"},
      {kMirror, "1e400", "", false, 0.75, 8.0, "sn"},
      {0, "x", "x", false, 0.75, 8.0, "sn"},  // no function chosen
      {kGlossy, "", "4", true, 0.75, 8.0, ""},
      {kGlossy, "0.2", "1e400", true, 0.75, 8.0, ""},
      {kGlossy, "0.2", "3", false, 0.2, 3.0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("function " + std::to_string(c.function) + ", s \"" + c.s + "\", n \"" + c.n +
                 "\"");
    RenderState state = StartupState();
    state.reflectanceKind = c.function;
    state.glossS = 0.75;
    state.glossN = 8.0;
    ShadeInputs inputs;
    inputs.rotX = "10";
    inputs.glossS = c.s;
    inputs.glossN = c.n;
    EXPECT_EQ(NeedsGlossParameters(c.function), c.function == kGlossy);
    const ShadeIntakeOutcome outcome = ReadShadeParameters(state, inputs, kEnglish);
    EXPECT_EQ(std::holds_alternative<InputError>(outcome), c.fails);
    std::string kept;
    if (const auto* intake = std::get_if<ShadeIntake>(&outcome)) {
      for (const InputError& unread : intake->keptGlossFields) {
        kept += unread.field == ShadeField::kGlossS ? "s" : "n";
        // The window marks the box with the message the glossy function would have shown.
        EXPECT_EQ(unread.message,
                  ParameterMessage(unread.field, unread.text, unread.reason, kEnglish));
      }
    }
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(state.glossS, c.wantS);
    EXPECT_EQ(state.glossN, c.wantN);
    EXPECT_EQ(state.rotX == 0.0F, c.fails);
  }
}

// A pasted page of text is quoted by its first 40 characters (not bytes: "щ" takes two).
TEST(ReadShadeParameters, QuotesOnlyTheStartOfALongText) {
  std::string cyrillic;
  for (int k = 0; k < 41; ++k) cyrillic += "щ";
  const std::pair<std::string, std::string> cases[] = {
      {std::string(10000, '7') + "x", std::string(40, '7') + "…"},
      {std::string(40, 'x'), std::string(40, 'x')},
      {cyrillic, cyrillic.substr(0, 80) + "…"},
  };
  for (const auto& [text, quoted] : cases) {
    RenderState state = StartupState();
    const ShadeIntakeOutcome outcome =
        ReadShadeParameters(state, WithText(ShadeField::kRotY, text), kEnglish);
    const InputError* error = std::get_if<InputError>(&outcome);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Поле «Поворот по Oy» содержит «" + quoted + "»: это не число.");
  }
}

}  // namespace
