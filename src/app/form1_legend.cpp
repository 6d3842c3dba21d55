// Form1's isoline legend: after the start-up period every change of a level box (Text8) or a
// half-width box (Text7) copies the whole column into isoLevel or isoHalfWidth. A box whose text
// does not read as a number, as while the user retypes it, is marked instead of stopping
// anything: red background, the reason in its tooltip; its element keeps the last value read.

#include <QLineEdit>
#include <QPalette>

#include "app/form1.h"
#include "app/layout_table.h"
#include "app/locale_numbers.h"
#include "shading/number_text.h"

namespace {

const QColor kMarkColour(255, 140, 140);
constexpr const char* kMarkProperty = "legendMark";

QString ReadingProblem(const QString& text, NumberError error) {
  if (error == NumberError::kOverflow) {
    return QStringLiteral("«%1» выходит за пределы 32-битного числа").arg(text);
  }
  if (text.trimmed().isEmpty()) return QStringLiteral("поле пусто");
  return QStringLiteral("«%1» не читается как число").arg(text);
}

// An empty `problem` removes the mark.
void MarkLegendBox(QLineEdit& box, const QString& problem) {
  if (problem.isEmpty()) {
    if (box.property(kMarkProperty).toString().isEmpty()) return;
    box.setProperty(kMarkProperty, QString());
    box.setPalette(QPalette());  // back to the inherited colours
    box.setToolTip(QString());
    return;
  }
  box.setProperty(kMarkProperty, problem);
  QPalette palette = box.palette();
  palette.setColor(QPalette::Base, kMarkColour);
  box.setPalette(palette);
  box.setToolTip(problem);
}

}  // namespace

QLineEdit* Form1::LegendBox(LegendColumn column, int row) const {
  const int index = LegendControlIndex(row);
  return column == LegendColumn::kLevel ? text8_[index] : text7_[index];
}

void Form1::OnLevelChanged() {
  if (startupPeriod_) return;
  ReadLegendColumn(LegendColumn::kLevel);
}

void Form1::OnHalfWidthChanged() {
  if (startupPeriod_) return;
  ReadLegendColumn(LegendColumn::kHalfWidth);
}

void Form1::ReadLegendColumn(LegendColumn column) {
  std::array<float, kIsoBandCount>& values =
      column == LegendColumn::kLevel ? state_.isoLevel : state_.isoHalfWidth;
  const NumberFormat format = UserNumberFormat();
  for (int row = 0; row < kIsoBandCount; ++row) {
    QLineEdit& box = *LegendBox(column, row);
    const QString text = box.text();
    const NumberReading<float> reading = ReadFloat(text.toStdString(), format);
    if (reading.ok()) {
      values[row] = reading.value;
      MarkLegendBox(box, QString());
    } else {
      MarkLegendBox(box, ReadingProblem(text, reading.error) +
                             QStringLiteral("; в расчёте остаётся %1").arg(FloatText(values[row])));
    }
  }
}

// The message the shade button gives while a legend box is marked; empty when none is.
QString Form1::FirstLegendMark() const {
  for (LegendColumn column : {LegendColumn::kLevel, LegendColumn::kHalfWidth}) {
    for (int row = 0; row < kIsoBandCount; ++row) {
      const QString problem = LegendBox(column, row)->property(kMarkProperty).toString();
      if (problem.isEmpty()) continue;
      const QString field =
          column == LegendColumn::kLevel ? QStringLiteral("Уровень") : QStringLiteral("Полуширина");
      return QStringLiteral(
                 "%1 изолинии в строке %2 легенды: %3.\nИсправьте поле, чтобы тонировать.")
          .arg(field)
          .arg(row + 1)
          .arg(problem);
    }
  }
  return QString();
}
