#include "app/curves/parameter_values.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

#include "app/common/locale_numbers.h"
#include "curves/csv_row.h"
#include "intake/number_text.h"
#include "pass/readout.h"

std::variant<std::vector<double>, QString> ReadParameterValues(const QString& text,
                                                               const LawParameterSpec& spec) {
  static const QRegularExpression kBetween(QStringLiteral("[;\\s]+"));
  const QStringList words = text.split(kBetween, Qt::SkipEmptyParts);
  const QString name =
      QString::fromUtf8(spec.name.data(), static_cast<qsizetype>(spec.name.size()));
  if (words.size() > static_cast<qsizetype>(kMaxParameterValues)) {
    return QCoreApplication::translate("ParameterValues", "значений больше %1")
        .arg(kMaxParameterValues);
  }
  std::vector<double> values;
  for (const QString& word : words) {
    const NumberReading<double> read = ReadDouble(word.toStdString(), UserNumberFormat());
    if (!read.Ok() || !std::isfinite(read.value)) {
      return QCoreApplication::translate("ParameterValues", "«%1» — не число").arg(word);
    }
    if (!(read.value >= spec.lowest && read.value <= spec.highest)) {
      return QCoreApplication::translate("ParameterValues", "%1 = %2 вне диапазона от %3 до %4")
          .arg(name, word, ShortestText(spec.lowest), ShortestText(spec.highest));
    }
    values.push_back(read.value);
  }
  return values;
}

QString ParameterLabel(const LawParameterSpec& spec, double value) {
  return QStringLiteral("%1 = %2").arg(
      QString::fromUtf8(spec.name.data(), static_cast<qsizetype>(spec.name.size())),
      UserLocale().toString(value, 'g', 6));
}

std::string ParameterCurvesCsv(const std::vector<PhaseCurve>& curves,
                               const std::vector<QString>& labels) {
  if (curves.empty()) return {};
  std::vector<std::string> header{"g"};
  for (const QString& label : labels) header.push_back(label.toStdString());
  std::string csv = CsvRow(header);
  for (size_t row = 0; row < curves.front().degrees.size(); ++row) {
    std::vector<std::string> fields{ReadoutNumber(curves.front().degrees[row], 3)};
    for (const PhaseCurve& curve : curves) {
      fields.push_back(row < curve.brightness.size() ? ReadoutNumber(curve.brightness[row], 6)
                                                     : std::string());
    }
    csv += CsvRow(fields);
  }
  return csv;
}
