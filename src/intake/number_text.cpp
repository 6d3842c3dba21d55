#include "intake/number_text.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "model/angles.h"

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kTypographicMinus = "\xE2\x88\x92";  // U+2212 in UTF-8
// Exponents are counted only this far; beyond it every non-zero value is out of range anyway.
constexpr long kExponentSaturation = 100000;

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number that read, rewritten in the one form std::from_chars takes: an optional '-', digits, an
// optional '.' and digits, an optional 'e' with an optional '-' and digits.
struct PlainNumber {
  std::string text;
  // Whether |value| >= 1, so that a conversion out of range is an overflow and not an underflow.
  bool atLeastOne = false;
  bool negative = false;
};

class NumberScanner {
 public:
  NumberScanner(std::string_view text, const NumberFormat& format) : text_(text), format_(format) {}

  std::optional<PlainNumber> Scan() {
    PlainNumber number;
    number.negative = TakeSign();
    if (number.negative) number.text += '-';
    // Decimal order of the first non-zero digit: the value lies in [10^(order-1), 10^order).
    long order = 0;
    bool seenNonZero = false;
    int mantissaDigits = 0;
    for (; IsDigit(Peek()); ++pos_, ++mantissaDigits) {
      seenNonZero = seenNonZero || Peek() != '0';
      if (seenNonZero) ++order;
      number.text += Peek();
    }
    if (TakeDecimalSeparator()) {
      number.text += '.';
      for (; IsDigit(Peek()); ++pos_, ++mantissaDigits) {
        if (!seenNonZero) {
          seenNonZero = Peek() != '0';
          if (!seenNonZero) --order;
        }
        number.text += Peek();
      }
    }
    if (mantissaDigits == 0) return std::nullopt;

    long exponent = 0;
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      const bool negativeExponent = TakeSign();
      int exponentDigits = 0;
      for (; IsDigit(Peek()); ++pos_, ++exponentDigits) {
        if (exponent < kExponentSaturation) exponent = exponent * 10 + (Peek() - '0');
      }
      if (exponentDigits == 0) return std::nullopt;
      if (negativeExponent) exponent = -exponent;
      number.text += 'e';
      number.text += std::to_string(exponent);
    }
    if (pos_ != text_.size()) return std::nullopt;
    number.atLeastOne = seenNonZero && order + exponent > 0;
    return number;
  }

 private:
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  // Takes an optional sign; true for a minus.
  bool TakeSign() {
    if (Peek() == '+' || Peek() == '-') return text_[pos_++] == '-';
    if (text_.substr(pos_).starts_with(kTypographicMinus)) {
      pos_ += kTypographicMinus.size();
      return true;
    }
    return false;
  }

  bool TakeDecimalSeparator() {
    const std::string_view rest = text_.substr(pos_);
    const std::string& point = format_.decimalPoint;
    if (!point.empty() && rest.starts_with(point)) {
      pos_ += point.size();
      return true;
    }
    if (format_.AcceptsDotAsDecimal() && rest.starts_with('.')) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::string_view text_;
  const NumberFormat& format_;
  size_t pos_ = 0;
};

// Whether the text would read with a point or a comma as its decimal separator where the format
// takes neither.
bool ReadsWithOtherDecimalSeparator(std::string_view text, const NumberFormat& format) {
  for (const char* other : {".", ","}) {
    const bool accepted =
        format.decimalPoint == other || (other[0] == '.' && format.AcceptsDotAsDecimal());
    if (accepted) continue;
    const NumberFormat swapped{other, "."};  // no group separator, no second decimal separator
    if (NumberScanner(text, swapped).Scan()) return true;
  }
  return false;
}

// The text scanned once: the number in plain form, or why it is none.
struct ScannedText {
  std::optional<PlainNumber> number;
  NumberError error = NumberError::kNotANumber;  // when there is no number
};

ScannedText ScanText(std::string_view text, const NumberFormat& format) {
  const std::string_view trimmed = TrimBlanks(text);
  ScannedText scanned{NumberScanner(trimmed, format).Scan()};
  if (!scanned.number && ReadsWithOtherDecimalSeparator(trimmed, format)) {
    scanned.error = NumberError::kOtherDecimalSeparator;
  }
  return scanned;
}

// The scanned number rounded straight to T.
template <typename T>
NumberReading<T> Convert(const ScannedText& scanned) {
  NumberReading<T> reading;
  if (!scanned.number) {
    reading.error = scanned.error;
    return reading;
  }
  const PlainNumber& number = *scanned.number;
  const std::string& plain = number.text;
  T value{};
  const auto [end, ec] =
      std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    if (number.atLeastOne) {
      reading.error = NumberError::kOverflow;
      return reading;
    }
    // Too small even for a subnormal: the conversion rounds it to a zero of the number's sign.
    value = number.negative ? -T{0} : T{0};
  } else if (ec != std::errc{} || end != plain.data() + plain.size()) {
    return reading;
  }
  if (!std::isfinite(value)) {
    reading.error = NumberError::kOverflow;
    return reading;
  }
  reading.value = value;
  reading.error = NumberError::kNone;
  return reading;
}

}  // namespace

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

Message DecimalSeparatorSaid(const NumberFormat& format) {
  if (format.decimalPoint == ".") return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "точкой"));
  if (format.decimalPoint == ",")
    return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "запятой"));
  return CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "знаком «%1»"),
                       {VerbatimPart(format.decimalPoint)});
}

std::string DecimalSeparatorInstrumental(const NumberFormat& format) {
  return RussianText(DecimalSeparatorSaid(format));
}

NumberReading<float> ReadFloat(std::string_view text, const NumberFormat& format) {
  return Convert<float>(ScanText(text, format));
}

NumberReading<double> ReadDouble(std::string_view text, const NumberFormat& format) {
  return Convert<double>(ScanText(text, format));
}

WideAndNarrowReading ReadDoubleAndFloat(std::string_view text, const NumberFormat& format) {
  const ScannedText scanned = ScanText(text, format);
  return {Convert<double>(scanned), Convert<float>(scanned)};
}

NumberReading<double> ReadAngleDegrees(std::string_view text, const NumberFormat& format) {
  // Doubles at or beyond this magnitude round to infinity when stored as a 32-bit float: halfway
  // between the largest float and 2^128, where round-to-even goes up.
  constexpr double kFloatOverflowThreshold = 0x1.ffffffp+127;
  NumberReading<double> reading = ReadDouble(text, format);
  if (reading.Ok() && !(std::fabs(RadiansInDouble(reading.value)) < kFloatOverflowThreshold)) {
    reading.error = NumberError::kOverflow;
  }
  return reading;
}
