#include "app/form/legend_panel.h"

#include <QLabel>
#include <QLineEdit>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/form/control_lookup.h"
#include "app/form/shape_widget.h"
#include "messages/translated_message.h"
#include "model/startup_values.h"

namespace {

constexpr const char* kPlusMinus = "± ";
constexpr int kFirstPlusMinusLabel = 4;  // Label2(4) to Label2(10) stand between the legend boxes
constexpr int kLastPlusMinusLabel = 10;

// The control array of each column, by LegendColumn.
constexpr const char* kColumnBoxes[] = {"Text8", "Text7"};

}  // namespace

LegendPanel::LegendPanel(const QWidget& window) {
  for (LegendColumn column : kLegendColumns) {
    for (int row = 0; row < kIsoBandCount; ++row) {
      boxes_[ColumnIndex(column)][row] = &FindControl<QLineEdit>(
          window, kColumnBoxes[ColumnIndex(column)], LegendControlIndex(row));
    }
  }
  for (int row = 0; row < kIsoBandCount; ++row) {
    swatches_[row] = &FindControl<ShapeWidget>(window, "Shape1", LegendControlIndex(row));
  }
  for (int k = kFirstPlusMinusLabel; k <= kLastPlusMinusLabel; ++k) {
    plusMinusLabels_.push_back(&FindControl<QLabel>(window, "Label2", k));
  }
}

QLineEdit& LegendPanel::Box(LegendColumn column, int row) const {
  return *boxes_[ColumnIndex(column)][row];
}

std::vector<QLineEdit*> LegendPanel::Boxes() const {
  std::vector<QLineEdit*> boxes;
  for (int row = 0; row < kIsoBandCount; ++row) {
    for (LegendColumn column : kLegendColumns) boxes.push_back(&Box(column, row));
  }
  return boxes;
}

void LegendPanel::ShowStartupTexts() {
  for (int row = 0; row < kIsoBandCount; ++row) {
    Box(LegendColumn::kLevel, row).setText(UserText(kStartupLevelTexts[row]));
    Box(LegendColumn::kHalfWidth, row).setText(UserText(kStartupHalfWidthTexts[row]));
  }
  for (QLabel* label : plusMinusLabels_) label->setText(QString::fromUtf8(kPlusMinus));
}

// Row by row: Shape1(7), Shape1(1)..Shape1(6); Shape1(0) and Shape2 keep their colours.
void LegendPanel::ShowSwatchColours(bool colourIsolines) {
  for (int row = 0; row < kIsoBandCount; ++row) {
    swatches_[row]->SetFillColour(colourIsolines ? ColourFromBgr(kSwatchColours[row])
                                                 : QColor(Qt::white));
  }
}

void LegendPanel::ReadColumn(LegendColumn column, std::array<float, kIsoBandCount>& values) {
  ColumnReading& reading = readings_[ColumnIndex(column)];
  for (int row = 0; row < kIsoBandCount; ++row) {
    reading.texts[row] = Box(column, row).text().toStdString();
  }
  const NumberFormat format = UserNumberFormat();
  reading.errors = ReadLegendColumn(reading.texts, format, values);
  for (int row = 0; row < kIsoBandCount; ++row) {
    QLineEdit& box = Box(column, row);
    if (reading.errors[row] == NumberError::kNone) {
      MarkInputBox(box, QString());
      continue;
    }
    const std::string kept = FloatText(values[row]).toStdString();
    MarkInputBox(box, TranslatedMessage(
                          LegendMarkSaid(reading.texts[row], reading.errors[row], kept, format)));
  }
}

// The first marked box in the order levels top to bottom, then half-widths, and how many more.
QString LegendPanel::Refusal() const {
  const ColumnReading* first = nullptr;
  LegendColumn firstColumn = LegendColumn::kLevel;
  int firstRow = 0;
  int others = 0;
  for (LegendColumn column : kLegendColumns) {
    const ColumnReading& reading = readings_[ColumnIndex(column)];
    for (int row = 0; row < kIsoBandCount; ++row) {
      if (reading.errors[row] == NumberError::kNone) continue;
      if (first != nullptr) {
        ++others;
      } else {
        first = &reading;
        firstColumn = column;
        firstRow = row;
      }
    }
  }
  if (first == nullptr) return QString();
  return TranslatedMessage(LegendRefusalSaid(firstColumn, firstRow, first->texts[firstRow],
                                             first->errors[firstRow], UserNumberFormat(), others));
}
