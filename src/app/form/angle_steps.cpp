#include "app/form/angle_steps.h"

#include <cmath>

#include "app/common/locale_numbers.h"
#include "intake/number_text.h"

namespace {

// Steps are multiples of 0.05 degrees and typed angles seldom have more than a few decimals:
// rounding the sum to this many decimals removes what binary fractions add, and nothing more.
constexpr double kKeptDecimalsScale = 1e9;

}  // namespace

double AngleStepFor(Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::ControlModifier)) return kFineAngleStep;
  if (modifiers.testFlag(Qt::ShiftModifier)) return kCoarseAngleStep;
  return kAngleStep;
}

std::optional<QString> SteppedAngleText(const QString& text, double degrees) {
  const NumberReading<double> reading = ReadDouble(text.toStdString(), UserNumberFormat());
  if (!reading.Ok()) return std::nullopt;
  const double sum = reading.value + degrees;
  if (!std::isfinite(sum)) return std::nullopt;
  const double scaled = sum * kKeptDecimalsScale;
  // Beyond 2^53 there is no fraction left to clean.
  const double kept = std::fabs(scaled) < 0x1p53 ? std::round(scaled) / kKeptDecimalsScale : sum;
  return DoubleText(kept == 0 ? 0.0 : kept);  // never "-0"
}
