#include "app/locale_numbers.h"

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
