#include "app/common/locale_numbers.h"

#include <array>
#include <charconv>

namespace {

constexpr int kFloatDigits = 7;
constexpr int kDoubleDigits = 15;

}  // namespace

QLocale UserLocale() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return locale;
}

NumberFormat UserNumberFormat() {
  const QLocale locale = UserLocale();
  NumberFormat format;
  format.decimalPoint = locale.decimalPoint().toStdString();
  format.groupSeparator = locale.groupSeparator().toStdString();
  return format;
}

QString FloatText(float value) {
  return UserLocale().toString(static_cast<double>(value), 'g', kFloatDigits);
}

QString DoubleText(double value) { return UserLocale().toString(value, 'g', kDoubleDigits); }

QString UserText(const char* cText) { return DoubleText(ReadDouble(cText, CNumberFormat()).value); }

QString ShortestText(double value) {
  return UserLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

// The float's own shortest digits (a double's would show the float's binary tail), with the
// user's decimal separator.
QString ShortestText(float value) {
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  QString text = QString::fromLatin1(digits.data(), written.ptr - digits.data());
  return text.replace(QLatin1Char('.'), UserLocale().decimalPoint());
}
