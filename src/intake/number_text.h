#pragma once
// Reading numbers typed by the user, in the user's number format, without the C locale.
// What reads: blanks, an optional sign, digits with at most one decimal separator (at least one
// digit in all), an optional exponent ("1e3", "2,5E-1"), blanks. A sign is '+', '-' or the
// typographic minus U+2212, as the program's own texts write negative numbers. Group separators,
// "inf", "nan" and hexadecimal do not read. A value beyond the target type's range is an overflow;
// one too small for it becomes zero or a subnormal, as the conversion rounds it.

#include <string>
#include <string_view>

#include "model/message.h"

struct NumberFormat {
  std::string decimalPoint = ".";  // UTF-8, as the locale gives it
  std::string groupSeparator = ",";
  // Where the decimal separator is a comma and the group separator is not a dot (Russian, for
  // one), users type both: a dot is read as the decimal separator too.
  bool AcceptsDotAsDecimal() const { return decimalPoint == "," && groupSeparator != "."; }
};

// The format of the C locale, used by the headless renderer: "." decimal, "," group.
inline NumberFormat CNumberFormat() { return NumberFormat{}; }

enum class NumberError {
  kNone,
  kNotANumber,
  // Not a number in this format, but one with the other decimal separator ("1,5" where a point
  // is expected, or "1.5" where only a comma is): the message can say which one to type.
  kOtherDecimalSeparator,
  kOverflow,
};

template <typename T>
struct NumberReading {
  T value{};
  NumberError error = NumberError::kNotANumber;
  bool Ok() const { return error == NumberError::kNone; }
};

// Whether the text holds nothing but blanks (spaces and tabs), the empty text included.
bool IsBlankText(std::string_view text);

// How a message names the format's decimal separator: "точкой", "запятой" or "знаком «…»", to
// follow "дробную часть отделяйте "; as a message, and as its Russian text.
Message DecimalSeparatorSaid(const NumberFormat& format);
std::string DecimalSeparatorInstrumental(const NumberFormat& format);

NumberReading<float> ReadFloat(std::string_view text, const NumberFormat& format);
NumberReading<double> ReadDouble(std::string_view text, const NumberFormat& format);

// An angle in degrees as the slant box reads its text (a source's slant or tilt too): a number in
// `format` whose radian value fits a 32-bit float, as the pass stores the slant; a larger one is
// kOverflow.
NumberReading<double> ReadAngleDegrees(std::string_view text, const NumberFormat& format);

// One text wanted at both widths, each rounded straight from the text (never the 64-bit value
// rounded again): the text is scanned once.
struct WideAndNarrowReading {
  NumberReading<double> wide;
  NumberReading<float> narrow;
  // The first width that did not read, or NumberError::kNone.
  NumberError Error() const { return wide.Ok() ? narrow.error : wide.error; }
};
WideAndNarrowReading ReadDoubleAndFloat(std::string_view text, const NumberFormat& format);
