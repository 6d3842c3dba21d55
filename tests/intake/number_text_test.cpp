#include "intake/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const NumberFormat kEnglish{".", ","};
const NumberFormat kRussian{",", "\xC2\xA0"};  // group separator: no-break space
const NumberFormat kGerman{",", "."};
const NumberFormat kArabic{"\xD9\xAB", "\xD9\xAC"};  // two-byte separators

const char* ErrorName(NumberError error) {
  switch (error) {
    case NumberError::kNone:
      return "none";
    case NumberError::kNotANumber:
      return "not a number";
    case NumberError::kOtherDecimalSeparator:
      return "other decimal separator";
    case NumberError::kOverflow:
      return "overflow";
  }
  return "?";
}

struct DoubleCase {
  std::string text;
  const NumberFormat* format;
  NumberError error;
  double value;  // when error is kNone
};

std::string Describe(const std::string& text, const NumberFormat& format) {
  return "text \"" + text + "\", decimal \"" + format.decimalPoint + "\", group \"" +
         format.groupSeparator + "\"";
}

TEST(ReadDouble, ReadsWhatIsANumberInTheFormat) {
  const DoubleCase cases[] = {
      {"0.5", &kEnglish, NumberError::kNone, 0.5},
      {"0,5", &kRussian, NumberError::kNone, 0.5},
      {"0.5", &kRussian, NumberError::kNone, 0.5},
      {"0,5", &kEnglish, NumberError::kOtherDecimalSeparator, 0},
      {"0.5", &kGerman, NumberError::kOtherDecimalSeparator, 0},
      {"-2,5e-1", &kEnglish, NumberError::kOtherDecimalSeparator, 0},
      {"0,5x", &kEnglish, NumberError::kNotANumber, 0},
      {"1,5,5", &kEnglish, NumberError::kNotANumber, 0},
      // The typographic minus, U+2212, is a minus sign; other dashes are not.
      {"\xE2\x88\x92"
       "30",
       &kEnglish, NumberError::kNone, -30},
      {" \xE2\x88\x92"
       "2,5",
       &kRussian, NumberError::kNone, -2.5},
      {"1e\xE2\x88\x92"
       "2",
       &kEnglish, NumberError::kNone, 0.01},
      {"\xE2\x88\x92", &kEnglish, NumberError::kNotANumber, 0},
      {"\xE2\x88\x92\xE2\x88\x92"
       "1",
       &kEnglish, NumberError::kNotANumber, 0},
      {"\xE2\x80\x93"
       "1",
       &kEnglish, NumberError::kNotANumber, 0},  // en dash
      {"\xE2\x88"
       "1",
       &kEnglish, NumberError::kNotANumber, 0},  // a minus cut short
      {"0,5", &kGerman, NumberError::kNone, 0.5},
      {"2\xD9\xAB"
       "5",
       &kArabic, NumberError::kNone, 2.5},
      {"2.5", &kArabic, NumberError::kOtherDecimalSeparator, 0},
      {"1,000", &kEnglish, NumberError::kOtherDecimalSeparator, 0},
      {"1\xC2\xA0"
       "000",
       &kRussian, NumberError::kNotANumber, 0},
      {"1 000", &kRussian, NumberError::kNotANumber, 0},
      {"1.000", &kGerman, NumberError::kOtherDecimalSeparator, 0},
      {" \t-2.5e1\t ", &kEnglish, NumberError::kNone, -25},
      {"+3", &kEnglish, NumberError::kNone, 3},
      {"2,5E-1", &kRussian, NumberError::kNone, 0.25},
      {"1e+3", &kEnglish, NumberError::kNone, 1000},
      {"5.", &kEnglish, NumberError::kNone, 5},
      {",5", &kRussian, NumberError::kNone, 0.5},
      {"007", &kEnglish, NumberError::kNone, 7},
      {"", &kEnglish, NumberError::kNotANumber, 0},
      {" \t ", &kEnglish, NumberError::kNotANumber, 0},
      {".", &kEnglish, NumberError::kNotANumber, 0},
      {"-", &kEnglish, NumberError::kNotANumber, 0},
      {"- 1", &kEnglish, NumberError::kNotANumber, 0},
      {"--1", &kEnglish, NumberError::kNotANumber, 0},
      {"1e", &kEnglish, NumberError::kNotANumber, 0},
      {"e3", &kEnglish, NumberError::kNotANumber, 0},
      {"1e3.5", &kEnglish, NumberError::kNotANumber, 0},
      {"1.2.3", &kEnglish, NumberError::kNotANumber, 0},
      {"1,5.2", &kRussian, NumberError::kNotANumber, 0},
      {"abc", &kEnglish, NumberError::kNotANumber, 0},
      {"12abc", &kEnglish, NumberError::kNotANumber, 0},
      {"inf", &kEnglish, NumberError::kNotANumber, 0},
      {"-infinity", &kEnglish, NumberError::kNotANumber, 0},
      {"nan", &kEnglish, NumberError::kNotANumber, 0},
      {"0x10", &kEnglish, NumberError::kNotANumber, 0},
      {"1\xC2\xA0", &kRussian, NumberError::kNotANumber, 0},  // a no-break space is no blank
      {"1\n", &kEnglish, NumberError::kNotANumber, 0},
      {"1e309", &kEnglish, NumberError::kOverflow, 0},
      {"-1e309", &kEnglish, NumberError::kOverflow, 0},
      {"1e99999999999999999999", &kEnglish, NumberError::kOverflow, 0},
      {"0.0001e310", &kEnglish, NumberError::kNone, 1e306},
      {"1e-400", &kEnglish, NumberError::kNone, 0},
      {"4e-320", &kEnglish, NumberError::kNone, 4e-320},
      {"1e-99999999999999999999", &kEnglish, NumberError::kNone, 0},
      {"0e99999999999999999999", &kEnglish, NumberError::kNone, 0},
      {"1e39", &kEnglish, NumberError::kNone, 1e39},
  };
  for (const DoubleCase& c : cases) {
    SCOPED_TRACE(Describe(c.text, *c.format));
    const NumberReading<double> reading = ReadDouble(c.text, *c.format);
    EXPECT_EQ(reading.error, c.error) << ErrorName(reading.error);
    if (c.error == NumberError::kNone) {
      EXPECT_EQ(reading.value, c.value);
    }
  }
}

struct FloatCase {
  std::string text;
  NumberError error;
  float value;  // when error is kNone
};

TEST(ReadFloat, RoundsTheTextStraightToFloatAndReportsOverflow) {
  const FloatCase cases[] = {
      {"0.1", NumberError::kNone, 0.1F},
      {"0,8", NumberError::kOtherDecimalSeparator, 0},
      {"\xE2\x88\x92"
       "0.1",
       NumberError::kNone, -0.1F},
      // Rounding through double would land on a tie and round up to 0x1.000004p0.
      {"1.00000017881393432617187499", NumberError::kNone, 1.00000017881393432617187499F},
      {"3.4028235e38", NumberError::kNone, 3.4028235e38F},
      {"3.40282357e38", NumberError::kOverflow, 0},
      {"1e39", NumberError::kOverflow, 0},
      {"-1e39", NumberError::kOverflow, 0},
      {"1e-40", NumberError::kNone, 1e-40F},  // subnormal
      {"1e-50", NumberError::kNone, 0.0F},    // underflow is no error
      {"90.0000001", NumberError::kNone, 90.0F},
  };
  for (const FloatCase& c : cases) {
    SCOPED_TRACE(Describe(c.text, kEnglish));
    const NumberReading<float> reading = ReadFloat(c.text, kEnglish);
    EXPECT_EQ(reading.error, c.error) << ErrorName(reading.error);
    if (c.error == NumberError::kNone) {
      EXPECT_EQ(reading.value, c.value);
    }
  }
}

// One scan, two roundings: each width straight from the text; the error is the first width's.
TEST(ReadDoubleAndFloat, RoundsEachWidthStraightFromTheText) {
  const struct {
    std::string text;
    NumberError error;
    double wide;   // when the 64-bit reading is ok
    float narrow;  // when the 32-bit reading is ok
  } cases[] = {
      {"1.00000017881393432617187499", NumberError::kNone, 1.00000017881393432617187499,
       1.00000017881393432617187499F},
      {"1e39", NumberError::kOverflow, 1e39, 0},
      {"1e309", NumberError::kOverflow, 0, 0},
      {" -2.5 ", NumberError::kNone, -2.5, -2.5F},
      {"0,8", NumberError::kOtherDecimalSeparator, 0, 0},
      {"", NumberError::kNotANumber, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.text, kEnglish));
    const WideAndNarrowReading reading = ReadDoubleAndFloat(c.text, kEnglish);
    EXPECT_EQ(reading.Error(), c.error) << ErrorName(reading.Error());
    if (reading.wide.Ok()) {
      EXPECT_EQ(reading.wide.value, c.wide);
    }
    if (reading.narrow.Ok()) {
      EXPECT_EQ(reading.narrow.value, c.narrow);
    }
    EXPECT_EQ(reading.wide.Ok(), c.error == NumberError::kNone || c.text == "1e39");
  }
}

TEST(ReadFloat, KeepsTheSignOfAnUnderflowedValue) {
  const NumberReading<float> reading = ReadFloat("-1e-50", kEnglish);
  ASSERT_TRUE(reading.Ok());
  EXPECT_EQ(reading.value, 0.0F);
  EXPECT_TRUE(std::signbit(reading.value));
}

TEST(DecimalSeparatorInstrumental, NamesTheSeparatorToType) {
  EXPECT_EQ(DecimalSeparatorInstrumental(kEnglish), "точкой");
  EXPECT_EQ(DecimalSeparatorInstrumental(kRussian), "запятой");
  EXPECT_EQ(DecimalSeparatorInstrumental(kArabic), "знаком «\xD9\xAB»");
}

}  // namespace
