#include "app/surface/surface_readout_text.h"

#include <QCoreApplication>

#include "app/picture/readout_text.h"

namespace {

constexpr int kPositionDigits = 6;  // x and y: whole cells for most surfaces, a fraction for some
constexpr int kValueDecimals = 3;

}  // namespace

QStringList SurfaceReadoutLines(const SurfaceReadout& readout,
                                const std::vector<UsedSource>& sources, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  const QString separator = ReadoutListSeparator(plain);
  QStringList lines;
  lines << QStringLiteral("x = %1  y = %2  z = %3")
               .arg(plain.toString(readout.x, 'g', kPositionDigits),
                    plain.toString(readout.y, 'g', kPositionDigits),
                    ReadoutFixed(plain, readout.z, kValueDecimals));
  lines << QStringLiteral("p = %1%3q = %2")
               .arg(ReadoutFixed(plain, readout.gradient.p, kValueDecimals),
                    ReadoutFixed(plain, readout.gradient.q, kValueDecimals), separator);
  for (size_t k = 0; k < readout.sources.size() && k < sources.size(); ++k) {
    const Readout& one = readout.sources[k];
    const QString number = QString::number(sources[k].number);
    lines << QStringLiteral("%1: i = %2  e = %3  g = %4")
                 .arg(number, ReadoutDegrees(plain, one.angleI), ReadoutDegrees(plain, one.angleE),
                      ReadoutDegrees(plain, one.angleG));
    QString phi = QString(number.size() + 2, QLatin1Char(' ')) + ReadoutPhiText(one.reading, plain);
    if (k < readout.castShadow.size() && readout.castShadow[k]) {
      phi += QCoreApplication::translate("SurfaceReadout", ", в тени рельефа");
    }
    lines << phi;
  }
  return lines;
}
