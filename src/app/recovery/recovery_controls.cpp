#include "app/recovery/recovery_controls.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/language/translated_texts.h"

namespace {

constexpr const char* kContext = "RecoveryControls";

}  // namespace

RecoveryControls::RecoveryControls(QWidget* parent) : QWidget(parent) {
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  auto* input = new QGroupBox(this);
  texts.Keep(input, &QGroupBox::setTitle, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Снимки"));
  fromSurface_ = new QRadioButton(input);
  fromSurface_->setObjectName(QStringLiteral("RecoverFromSurface"));
  texts.Keep(fromSurface_, &QRadioButton::setText, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Снимки окна «Поверхность»"));
  fromSurface_->setChecked(true);
  fromFolder_ = new QRadioButton(input);
  fromFolder_->setObjectName(QStringLiteral("RecoverFromFolder"));
  texts.Keep(fromFolder_, &QRadioButton::setText, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Снимки из папки"));
  fromFolder_->setEnabled(false);
  auto* folderButton = new QPushButton(input);
  folderButton->setObjectName(QStringLiteral("RecoverFolderButton"));
  texts.Keep(folderButton, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Папка снимков…"));
  folderLabel_ = new QLabel(input);
  folderLabel_->setWordWrap(true);
  noise_ = new QDoubleSpinBox(input);
  noise_->setObjectName(QStringLiteral("RecoverNoise"));
  noise_->setRange(0.0, 255.0);
  noise_->setDecimals(1);
  noise_->setSingleStep(0.5);
  seed_ = new QSpinBox(input);
  seed_->setObjectName(QStringLiteral("RecoverSeed"));
  seed_->setRange(1, 999999);
  bits_ = new QComboBox(input);
  bits_->setObjectName(QStringLiteral("RecoverBits"));
  for (const int bits : {0, 8, 16}) bits_->addItem(QString(), bits);
  KeepItemTexts(*bits_, kContext,
                {QT_TRANSLATE_NOOP("RecoveryControls", "нет (64 бита)"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "8 бит"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "16 бит")});
  auto* inputLayout = new QFormLayout(input);
  inputLayout->addRow(fromSurface_);
  inputLayout->addRow(
      TranslatedLabel(*input, kContext,
                      QT_TRANSLATE_NOOP("RecoveryControls", "Шум, уровней серого:")),
      noise_);
  inputLayout->addRow(
      TranslatedLabel(*input, kContext, QT_TRANSLATE_NOOP("RecoveryControls", "Зерно шума:")),
      seed_);
  inputLayout->addRow(
      TranslatedLabel(*input, kContext, QT_TRANSLATE_NOOP("RecoveryControls", "Квантование:")),
      bits_);
  inputLayout->addRow(fromFolder_);
  inputLayout->addRow(folderButton);
  inputLayout->addRow(folderLabel_);

  auto* solve = new QGroupBox(this);
  texts.Keep(solve, &QGroupBox::setTitle, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Восстановление"));
  method_ = new QComboBox(solve);
  method_->setObjectName(QStringLiteral("RecoverMethod"));
  for (const RecoveryMethod method :
       {RecoveryMethod::kWoodhamStereo, RecoveryMethod::kLawStereo, RecoveryMethod::kTsaiShah,
        RecoveryMethod::kHorn, RecoveryMethod::kRobustStereo, RecoveryMethod::kFastMarching}) {
    method_->addItem(QString(), static_cast<int>(method));
  }
  KeepItemTexts(*method_, kContext,
                {QT_TRANSLATE_NOOP("RecoveryControls", "Фотометрическое стерео (Вудхэм)"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Фотометрическое стерео по закону"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Форма по затенению (Тсай и Шах)"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Форма по затенению (Хорн)"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Фотометрическое стерео без бликов и теней"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Форма по затенению (быстрый марш)")});
  integrator_ = new QComboBox(solve);
  integrator_->setObjectName(QStringLiteral("RecoverIntegrator"));
  for (const Integrator integrator :
       {Integrator::kDctPoisson, Integrator::kFrankotChellappa, Integrator::kOnMask}) {
    integrator_->addItem(QString(), static_cast<int>(integrator));
  }
  KeepItemTexts(*integrator_, kContext,
                {QT_TRANSLATE_NOOP("RecoveryControls", "Пуассон, косинусное преобразование"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Франкот и Челлаппа (Фурье)"),
                 QT_TRANSLATE_NOOP("RecoveryControls", "Пуассон на маске")});
  run_ = new QPushButton(solve);
  run_->setObjectName(QStringLiteral("RecoverRun"));
  texts.Keep(run_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Восстановить"));
  cancel_ = new QPushButton(solve);
  cancel_->setObjectName(QStringLiteral("RecoverCancel"));
  texts.Keep(cancel_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("RecoveryControls", "Отмена"));
  cancel_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);
  auto* solveLayout = new QFormLayout(solve);
  solveLayout->addRow(
      TranslatedLabel(*solve, kContext, QT_TRANSLATE_NOOP("RecoveryControls", "Метод:")), method_);
  solveLayout->addRow(
      TranslatedLabel(*solve, kContext, QT_TRANSLATE_NOOP("RecoveryControls", "Интегрирование:")),
      integrator_);
  solveLayout->addRow(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(input);
  layout->addWidget(solve);

  connect(folderButton, &QPushButton::clicked, this, &RecoveryControls::AskFolder);
  connect(fromSurface_, &QRadioButton::toggled, this, &RecoveryControls::OnSourceChosen);
  connect(method_, &QComboBox::currentIndexChanged, this,
          [this] { integrator_->setEnabled(IsStereo(Method())); });
  connect(run_, &QPushButton::clicked, this, &RecoveryControls::RunRequested);
  connect(cancel_, &QPushButton::clicked, this, &RecoveryControls::CancelRequested);
  OnSourceChosen();
  texts.Keep([this] { ShowFolder(); });
}

RecoveryMethod RecoveryControls::Method() const {
  return static_cast<RecoveryMethod>(method_->currentData().toInt());
}

Integrator RecoveryControls::ChosenIntegrator() const {
  return static_cast<Integrator>(integrator_->currentData().toInt());
}

CameraModel RecoveryControls::Camera() const {
  return CameraModel{noise_->value(), static_cast<uint32_t>(seed_->value()),
                     bits_->currentData().toInt()};
}

std::shared_ptr<const RecoveryImages> RecoveryControls::Photos() const {
  return fromFolder_->isChecked() ? photos_ : nullptr;
}

void RecoveryControls::SetRunning(bool running) {
  run_->setEnabled(!running);
  cancel_->setEnabled(running);
}

void RecoveryControls::OnSourceChosen() {
  const bool synthetic = fromSurface_->isChecked();
  noise_->setEnabled(synthetic);
  seed_->setEnabled(synthetic);
  bits_->setEnabled(synthetic);
}

void RecoveryControls::SetPhotos(std::shared_ptr<const RecoveryImages> photos,
                                 const QString& folder) {
  photos_ = std::move(photos);
  folder_ = folder;
  ShowFolder();
  fromFolder_->setEnabled(true);
  fromFolder_->setChecked(true);
}

void RecoveryControls::AskFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, tr("Папка снимков"));
  if (!folder.isEmpty()) emit FolderChosen(folder);
}

void RecoveryControls::ShowFolder() {
  if (photos_ == nullptr) return;
  folderLabel_->setText(tr("%1: %2 снимков %3×%4")
                            .arg(QDir::toNativeSeparators(folder_))
                            .arg(photos_->intensity.size())
                            .arg(photos_->width)
                            .arg(photos_->height));
}
