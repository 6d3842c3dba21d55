#include "figure/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array kMantissas = {1.0, 2.0, 5.0};
constexpr double kTen = 10.0;

// Decimals a step of 1, 2 or 5 times 10^k needs: none for k >= 0, -k below.
int DecimalsOf(double step) {
  return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

}  // namespace

double TickStep(double pixelsPerUnit, double minSpacing) {
  const double least = minSpacing / pixelsPerUnit;  // units between ticks, at least
  double power = std::pow(kTen, std::floor(std::log10(least)));
  for (;;) {
    for (const double mantissa : kMantissas) {
      if (mantissa * power >= least) return mantissa * power;
    }
    power *= kTen;
  }
}

std::vector<double> TickValues(double low, double high, double step) {
  const double scale = std::pow(kTen, DecimalsOf(step));
  std::vector<double> values;
  for (auto k = static_cast<long long>(std::ceil(low / step));
       static_cast<double>(k) * step <= high; ++k) {
    values.push_back(std::round(static_cast<double>(k) * step * scale) / scale);
  }
  return values;
}

QString TickText(double value, double step, const QLocale& locale) {
  QString text = locale.toString(value, 'f', DecimalsOf(step));
  // A typographic minus reads better on a figure than the hyphen most locales write.
  if (text.startsWith(locale.negativeSign())) {
    text.replace(0, locale.negativeSign().size(), QStringLiteral("\u2212"));
  }
  return text;
}
