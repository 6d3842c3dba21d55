#include "app/law/law_parameter_row.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"

namespace {

constexpr int kCaptionColumn = 0;
constexpr int kBoxColumn = 1;
constexpr int kSliderColumn = 2;
constexpr int kBoxWidth = 80;
constexpr int kNameWidth = 60;
constexpr int kSliderWidth = 180;

QString Named(const QString& prefix, const char* role, int index) {
  return prefix + QLatin1String(role) + QStringLiteral("_%1").arg(index);
}

}  // namespace

LawParameterRow::LawParameterRow(QGridLayout& grid, int row, const QString& prefix, bool named,
                                 QObject* parent)
    : QObject(parent) {
  QWidget* owner = grid.parentWidget();
  if (named) {
    name_ = new QLineEdit(owner);
    name_->setObjectName(Named(prefix, "Name", row));
    name_->setFixedWidth(kNameWidth);
    grid.addWidget(name_, row, kCaptionColumn, Qt::AlignRight);
  } else {
    caption_ = new QLabel(owner);
    caption_->setObjectName(Named(prefix, "Caption", row));
    grid.addWidget(caption_, row, kCaptionColumn);
  }
  box_ = new QLineEdit(owner);
  box_->setObjectName(Named(prefix, "Value", row));
  box_->setFixedWidth(kBoxWidth);
  grid.addWidget(box_, row, kBoxColumn);
  slider_ = new QSlider(Qt::Horizontal, owner);
  slider_->setObjectName(Named(prefix, "Slider", row));
  slider_->setRange(0, kSliderSteps);
  slider_->setMinimumWidth(kSliderWidth);
  grid.addWidget(slider_, row, kSliderColumn);
  if (caption_ != nullptr) caption_->setBuddy(box_);

  connect(slider_, &QSlider::valueChanged, this, &LawParameterRow::OnSliderMoved);
  connect(box_, &QLineEdit::textEdited, this, &LawParameterRow::OnTextEdited);
}

void LawParameterRow::SetRange(const LawParameterSpec& range, bool anyFiniteValue) {
  range_ = range;
  anyFiniteValue_ = anyFiniteValue;
  const QSignalBlocker quiet(slider_);
  slider_->setRange(0, range.twoValued ? 1 : kSliderSteps);
}

void LawParameterRow::SetValue(double value) {
  value_ = value;
  box_->setText(DoubleText(value));
  MarkInputBox(*box_, QString());
  const QSignalBlocker quiet(slider_);
  slider_->setValue(PositionOf(value));
}

void LawParameterRow::SetCaption(const QString& caption) {
  if (caption_ != nullptr) caption_->setText(caption);
}

void LawParameterRow::SetShown(bool shown) {
  for (QWidget* widget : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(name_),
                          static_cast<QWidget*>(box_), static_cast<QWidget*>(slider_)}) {
    if (widget != nullptr) widget->setVisible(shown);
  }
}

// Steps of the slider are exact fractions of the range (a two-valued one has its two ends); the
// box shows the step's value.
void LawParameterRow::OnSliderMoved(int position) {
  const int steps = slider_->maximum();
  const double value = position == steps
                           ? range_.highest
                           : range_.lowest + (range_.highest - range_.lowest) * position /
                                                 static_cast<double>(steps);
  value_ = value;
  box_->setText(DoubleText(value));
  MarkInputBox(*box_, QString());
  emit ValueChanged(value);
}

void LawParameterRow::OnTextEdited() {
  const NumberReading<double> reading = ReadDouble(box_->text().toStdString(), UserNumberFormat());
  if (!reading.Ok()) {
    MarkInputBox(
        *box_,
        QCoreApplication::translate("LawWindow", "Не число: остаётся %1").arg(DoubleText(value_)));
    return;
  }
  if (!anyFiniteValue_ && range_.twoValued && !InLawRange(range_, reading.value)) {
    MarkInputBox(
        *box_, QCoreApplication::translate("LawWindow", "Только %1 или %2: остаётся %3")
                   .arg(DoubleText(range_.lowest), DoubleText(range_.highest), DoubleText(value_)));
    return;
  }
  if (!anyFiniteValue_ && !InLawRange(range_, reading.value)) {
    MarkInputBox(
        *box_, QCoreApplication::translate("LawWindow", "Вне пределов от %1 до %2: остаётся %3")
                   .arg(DoubleText(range_.lowest), DoubleText(range_.highest), DoubleText(value_)));
    return;
  }
  MarkInputBox(*box_, QString());
  value_ = reading.value;
  {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(PositionOf(value_));
  }
  emit ValueChanged(value_);
}

int LawParameterRow::PositionOf(double value) const {
  const double span = range_.highest - range_.lowest;
  if (!(span > 0.0)) return 0;
  const double fraction = std::clamp((value - range_.lowest) / span, 0.0, 1.0);
  return static_cast<int>(std::lrint(fraction * slider_->maximum()));
}
