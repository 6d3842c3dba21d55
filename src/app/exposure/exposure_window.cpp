#include "app/exposure/exposure_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <cmath>

#include "app/common/form_control.h"
#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "intake/number_text.h"
#include "pass/exposure.h"

namespace {

// The slider's steps over log10 k from -1 to 1.
constexpr int kSliderSteps = 200;
const double kLogLow = std::log10(kMinExposure);
const double kLogHigh = std::log10(kMaxExposure);

int SliderPosition(double exposure) {
  const double share = (std::log10(exposure) - kLogLow) / (kLogHigh - kLogLow);
  return static_cast<int>(std::lround(share * kSliderSteps));
}

double ExposureAt(int position) {
  const double share = static_cast<double>(position) / kSliderSteps;
  // Rounded to three significant digits, as the box shows it.
  const double exposure = std::pow(10.0, kLogLow + share * (kLogHigh - kLogLow));
  const double unit = std::pow(10.0, std::floor(std::log10(exposure)) - 2.0);
  return std::round(exposure / unit) * unit;
}

}  // namespace

ExposureWindow::ExposureWindow(FormControl& form, QWidget* parent)
    : QWidget(parent, Qt::Tool), form_(form) {
  setObjectName(QStringLiteral("ExposureWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "ExposureWindow", QT_TRANSLATE_NOOP("ExposureWindow", "Яркость"));
  box_ = new QLineEdit(this);
  box_->setObjectName(QStringLiteral("ExposureBox"));
  TranslatedTexts::Of(*this).Keep(
      "ExposureWindow", QT_TRANSLATE_NOOP("ExposureWindow", "k от 0,1 до 10: тон рисуется по k·ф"),
      [object = box_](const QString& text) { object->setToolTip(text); });
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setObjectName(QStringLiteral("ExposureSlider"));
  slider_->setRange(0, kSliderSteps);
  brightest_ = new QPushButton(this);
  brightest_->setObjectName(QStringLiteral("ExposureBrightest"));
  TranslatedTexts::Of(*this).Keep(brightest_, &QPushButton::setText, "ExposureWindow",
                                  QT_TRANSLATE_NOOP("ExposureWindow", "По максимуму"));
  QLabel* note = TranslatedLabel(
      *this, "ExposureWindow",
      QT_TRANSLATE_NOOP("ExposureWindow",
                        "Тон рисуется по k·ф, чтобы ф больше 1 (яркий край диска) не сливался с "
                        "белым. Изолинии, зоны и показания под указателем — по самому ф."));
  note->setWordWrap(true);
  auto* grid = new QGridLayout(this);
  auto* label = new QLabel(QStringLiteral("k ="), this);
  label->setBuddy(box_);
  grid->addWidget(label, 0, 0);
  grid->addWidget(box_, 0, 1);
  grid->addWidget(brightest_, 0, 2);
  grid->addWidget(slider_, 1, 0, 1, 3);
  grid->addWidget(note, 2, 0, 1, 3);
  connect(box_, &QLineEdit::returnPressed, this, &ExposureWindow::OnBoxEntered);
  connect(slider_, &QSlider::valueChanged, this, &ExposureWindow::OnSliderMoved);
  connect(brightest_, &QPushButton::clicked, this, &ExposureWindow::OnBrightest);
  ShowExposure(form_.State().exposure);
}

void ExposureWindow::ShowExposure(double exposure) {
  const QSignalBlocker quiet(slider_);
  box_->setText(DoubleText(exposure));
  MarkInputBox(*box_, {});
  slider_->setValue(SliderPosition(exposure));
}

void ExposureWindow::OnBoxEntered() {
  const NumberReading<double> k = ReadDouble(box_->text().toStdString(), UserNumberFormat());
  if (!k.Ok() || !(k.value >= kMinExposure && k.value <= kMaxExposure)) {
    MarkInputBox(*box_,
                 QCoreApplication::translate("ExposureWindow", "k — число от %1 до %2; остаётся %3")
                     .arg(DoubleText(kMinExposure), DoubleText(kMaxExposure),
                          DoubleText(form_.State().exposure)));
    return;
  }
  ShowExposure(k.value);
  form_.ChangeExposure(k.value);
}

void ExposureWindow::OnSliderMoved(int position) {
  const double exposure = ExposureAt(position);
  box_->setText(DoubleText(exposure));
  MarkInputBox(*box_, {});
  form_.ChangeExposure(exposure);
}

void ExposureWindow::OnBrightest() {
  if (const std::optional<double> exposure = form_.BrightestExposure()) {
    ShowExposure(*exposure);
    form_.ChangeExposure(*exposure);
  }
}
