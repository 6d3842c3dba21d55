#include "app/picture/readout_text.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr int kAngleDecimals = 1;
constexpr int kValueDecimals = 3;
constexpr int kLegendDigits = 7;  // the legend's 32-bit values, as the boxes write them
// From a million on, values are written in scientific form ("1,000E+30" in Russian), so that no
// line of the box grows without bound.
constexpr double kScientificFrom = 1e6;

QString ZoneText(const PhiZone& zone, const RenderState& lastPass, const QLocale& locale) {
  switch (zone.kind) {
    case PhiZoneKind::kBand: {
      const auto level = static_cast<double>(lastPass.isoLevel.at(zone.band));
      const auto halfWidth = static_cast<double>(lastPass.isoHalfWidth.at(zone.band));
      return QCoreApplication::translate("PointerReadout", "изолиния %1 ± %2")
          .arg(locale.toString(level, 'g', kLegendDigits),
               locale.toString(halfWidth, 'g', kLegendDigits));
    }
    case PhiZoneKind::kSelfShadow:
      return QCoreApplication::translate("PointerReadout", "зона самозатенения");
    case PhiZoneKind::kFringe:
      return QCoreApplication::translate("PointerReadout", "полутень");
    case PhiZoneKind::kDeepShadow:
      return QCoreApplication::translate("PointerReadout", "глубокая тень");
    case PhiZoneKind::kTone:
      break;
  }
  return QCoreApplication::translate("PointerReadout", "тон");
}

}  // namespace

QStringList ReadoutLines(const Readout& readout, const RenderState& lastPass,
                         const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  const SampleReading& reading = readout.reading;
  const QString separator = ReadoutListSeparator(plain);
  QStringList lines;
  lines << QStringLiteral("i = %1   e = %2   g = %3")
               .arg(ReadoutDegrees(plain, readout.angleI), ReadoutDegrees(plain, readout.angleE),
                    ReadoutDegrees(plain, readout.angleG));
  lines << ReadoutPhiText(reading, plain);
  lines << ZoneText(reading.zone, lastPass, plain);
  const Point3& point = reading.surfacePoint;
  lines << QCoreApplication::translate("PointerReadout", "точка (%1%4%2%4%3)")
               .arg(ReadoutFixed(plain, static_cast<double>(point.x), kValueDecimals),
                    ReadoutFixed(plain, static_cast<double>(point.y), kValueDecimals),
                    ReadoutFixed(plain, static_cast<double>(point.z), kValueDecimals), separator);
  if (readout.gradient) {
    lines << QStringLiteral("p = %1%3q = %2")
                 .arg(ReadoutFixed(plain, readout.gradient->p, kValueDecimals),
                      ReadoutFixed(plain, readout.gradient->q, kValueDecimals), separator);
  }
  return lines;
}

QString ExtraSourcesPhiLine(const std::vector<int>& numbers, const std::vector<float>& phis,
                            const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  static const QString kSubscripts = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
  QStringList parts;
  for (size_t k = 0; k < phis.size() && k < numbers.size(); ++k) {
    parts << QCoreApplication::translate("PointerReadout", "ф%1 = %2")
                 .arg(kSubscripts.at(numbers[k]),
                      ReadoutFixed(plain, static_cast<double>(phis[k]), kValueDecimals));
  }
  return parts.join(QStringLiteral("   "));
}

QString ReadoutFixed(const QLocale& locale, double value, int decimals) {
  if (std::isnan(value)) return QCoreApplication::translate("PointerReadout", "не определено");
  if (std::isinf(value)) return value > 0.0 ? QStringLiteral("+∞") : QStringLiteral("−∞");
  if (std::fabs(value) >= kScientificFrom) return locale.toString(value, 'e', decimals);
  const double scale = std::pow(10.0, decimals);
  if (std::round(value * scale) == 0.0) value = 0.0;
  return locale.toString(value, 'f', decimals);
}

QString ReadoutPhiText(const SampleReading& reading, const QLocale& locale) {
  QString text =
      QCoreApplication::translate("PointerReadout", "ф = %1")
          .arg(ReadoutFixed(locale, static_cast<double>(reading.functionPhi), kValueDecimals));
  if (PaintedPhiDiffers(reading)) {
    text += QCoreApplication::translate("PointerReadout", " (на рисунке %1)")
                .arg(ReadoutFixed(locale, static_cast<double>(reading.phi), kValueDecimals));
  }
  return text;
}

QString ReadoutDegrees(const QLocale& locale, double value) {
  return ReadoutFixed(locale, value, kAngleDecimals) + QStringLiteral("°");
}

QString ReadoutListSeparator(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral("; ") : QStringLiteral(", ");
}
