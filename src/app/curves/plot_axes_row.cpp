#include "app/curves/plot_axes_row.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"

namespace {

QString RangeText(double value) { return ShortestText(value); }

}  // namespace

PlotAxesRow::PlotAxesRow(QWidget* parent) : QWidget(parent) {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const char* names[4] = {"PlotXMin", "PlotXMax", "PlotYMin", "PlotYMax"};
  for (int k = 0; k < 4; ++k) {
    if (k % 2 == 0)
      layout->addWidget(new QLabel(k == 0 ? QStringLiteral("x:") : QStringLiteral("y:"), this));
    boxes_[k] = MadeBox(names[k]);
    layout->addWidget(boxes_[k]);
    if (k % 2 == 0) layout->addWidget(new QLabel(QStringLiteral("…"), this));
  }
  log_ = new QCheckBox(this);
  log_->setObjectName(QStringLiteral("PlotLogY"));
  texts.Keep(log_, &QCheckBox::setText, "PlotAxes", QT_TRANSLATE_NOOP("PlotAxes", "Лог. y"));
  layout->addWidget(log_);
  auto* apply = new QPushButton(this);
  apply->setObjectName(QStringLiteral("PlotAxesApply"));
  texts.Keep(apply, &QPushButton::setText, "PlotAxes", QT_TRANSLATE_NOOP("PlotAxes", "Применить"));
  auto* automatic = new QPushButton(this);
  automatic->setObjectName(QStringLiteral("PlotAxesAuto"));
  texts.Keep(automatic, &QPushButton::setText, "PlotAxes", QT_TRANSLATE_NOOP("PlotAxes", "Авто"));
  texts.Keep(automatic, &QWidget::setToolTip, "PlotAxes",
             QT_TRANSLATE_NOOP("PlotAxes", "Диапазоны осей по данным, шкала y линейная"));
  layout->addWidget(apply);
  layout->addWidget(automatic);
  layout->addStretch(1);
  connect(apply, &QPushButton::clicked, this, [this] { emit Applied(Texts()); });
  connect(log_, &QCheckBox::toggled, this, [this] { emit Applied(Texts()); });
  connect(automatic, &QPushButton::clicked, this, [this] {
    Show(AxisRanges{});
    emit Applied(Texts());
  });
}

QLineEdit* PlotAxesRow::MadeBox(const char* name) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setMaximumWidth(70);
  connect(box, &QLineEdit::returnPressed, this, [this] { emit Applied(Texts()); });
  return box;
}

AxisTexts PlotAxesRow::Texts() const {
  return {boxes_[0]->text(), boxes_[1]->text(), boxes_[2]->text(), boxes_[3]->text(),
          log_->isEnabled() && log_->isChecked()};
}

void PlotAxesRow::Show(const AxisRanges& ranges) {
  const std::optional<std::pair<double, double>>* pairs[2] = {&ranges.x, &ranges.y};
  for (int k = 0; k < 4; ++k) {
    const auto& range = *pairs[k / 2];
    boxes_[k]->setText(range ? RangeText(k % 2 == 0 ? range->first : range->second) : QString());
  }
  const QSignalBlocker quiet(log_);
  log_->setChecked(ranges.logY);
}

void PlotAxesRow::SetLogRefusal(const std::optional<QString>& refusal) {
  log_->setEnabled(!refusal);
  SetOwnToolTip(*log_, refusal.value_or(QString()));
}
