// Form1's isoline legend: after the start-up period every change of a level box (Text8) or a
// half-width box (Text7) copies the whole column into isoLevel or isoHalfWidth. A box whose text
// does not read as a number, as while the user retypes it, is marked instead of stopping
// anything: red background, the reason in its tooltip; its element keeps the last value read.

#include <QLineEdit>

#include "app/form1.h"
#include "app/input_box_mark.h"
#include "app/layout_table.h"
#include "app/locale_numbers.h"
#include "shading/input_messages.h"
#include "shading/legend_intake.h"

QLineEdit* Form1::LegendBox(LegendColumn column, int row) const {
  const int index = LegendControlIndex(row);
  return column == LegendColumn::kLevel ? text8_[index] : text7_[index];
}

void Form1::OnLevelTextChanged() {
  if (startupPeriod_) return;
  RefreshLegendColumn(LegendColumn::kLevel);
}

void Form1::OnHalfWidthTextChanged() {
  if (startupPeriod_) return;
  RefreshLegendColumn(LegendColumn::kHalfWidth);
}

void Form1::RefreshLegendColumn(LegendColumn column) {
  std::array<float, kIsoBandCount>& values =
      column == LegendColumn::kLevel ? state_.isoLevel : state_.isoHalfWidth;
  LegendTexts texts;
  for (int row = 0; row < kIsoBandCount; ++row)
    texts[row] = LegendBox(column, row)->text().toStdString();
  const LegendErrors errors = ReadLegendColumn(texts, UserNumberFormat(), values);
  for (int row = 0; row < kIsoBandCount; ++row) {
    QLineEdit& box = *LegendBox(column, row);
    if (errors[row] == NumberError::kNone) {
      MarkInputBox(box, QString());
    } else {
      const std::string kept = FloatText(values[row]).toStdString();
      MarkInputBox(box, QString::fromStdString(
                            LegendMark(texts[row], errors[row], kept, UserNumberFormat())));
    }
  }
}

// The message the shade button gives while a legend box is marked; empty when none is.
QString Form1::LegendMarksRefusal() const {
  const QLineEdit* first = nullptr;
  LegendColumn firstColumn = LegendColumn::kLevel;
  int firstRow = 0;
  int others = 0;
  for (LegendColumn column : {LegendColumn::kLevel, LegendColumn::kHalfWidth}) {
    for (int row = 0; row < kIsoBandCount; ++row) {
      const QLineEdit* box = LegendBox(column, row);
      if (InputBoxMark(*box).isEmpty()) continue;
      if (first != nullptr) {
        ++others;
      } else {
        first = box;
        firstColumn = column;
        firstRow = row;
      }
    }
  }
  if (first == nullptr) return QString();
  const std::string text = first->text().toStdString();
  const NumberFormat format = UserNumberFormat();
  const NumberError error = ReadLegendText(text, format).error;
  return QString::fromStdString(LegendRefusal(firstColumn, firstRow, text, error, format, others));
}
