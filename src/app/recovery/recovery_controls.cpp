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

RecoveryControls::RecoveryControls(QWidget* parent) : QWidget(parent) {
  auto* input = new QGroupBox(tr("Снимки"), this);
  fromSurface_ = new QRadioButton(tr("Снимки окна «Поверхность»"), input);
  fromSurface_->setObjectName(QStringLiteral("RecoverFromSurface"));
  fromSurface_->setChecked(true);
  fromFolder_ = new QRadioButton(tr("Снимки из папки"), input);
  fromFolder_->setObjectName(QStringLiteral("RecoverFromFolder"));
  fromFolder_->setEnabled(false);
  auto* folderButton = new QPushButton(tr("Папка снимков…"), input);
  folderButton->setObjectName(QStringLiteral("RecoverFolderButton"));
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
  bits_->addItem(tr("нет (64 бита)"), 0);
  bits_->addItem(tr("8 бит"), 8);
  bits_->addItem(tr("16 бит"), 16);
  auto* inputLayout = new QFormLayout(input);
  inputLayout->addRow(fromSurface_);
  inputLayout->addRow(tr("Шум, уровней серого:"), noise_);
  inputLayout->addRow(tr("Зерно шума:"), seed_);
  inputLayout->addRow(tr("Квантование:"), bits_);
  inputLayout->addRow(fromFolder_);
  inputLayout->addRow(folderButton);
  inputLayout->addRow(folderLabel_);

  auto* solve = new QGroupBox(tr("Восстановление"), this);
  method_ = new QComboBox(solve);
  method_->setObjectName(QStringLiteral("RecoverMethod"));
  method_->addItem(tr("Фотометрическое стерео (Вудхэм)"),
                   static_cast<int>(RecoveryMethod::kWoodhamStereo));
  method_->addItem(tr("Фотометрическое стерео по закону"),
                   static_cast<int>(RecoveryMethod::kLawStereo));
  method_->addItem(tr("Форма по затенению (Тсай и Шах)"),
                   static_cast<int>(RecoveryMethod::kTsaiShah));
  method_->addItem(tr("Форма по затенению (Хорн)"), static_cast<int>(RecoveryMethod::kHorn));
  integrator_ = new QComboBox(solve);
  integrator_->setObjectName(QStringLiteral("RecoverIntegrator"));
  integrator_->addItem(tr("Пуассон, косинусное преобразование"),
                       static_cast<int>(Integrator::kDctPoisson));
  integrator_->addItem(tr("Франкот и Челлаппа (Фурье)"),
                       static_cast<int>(Integrator::kFrankotChellappa));
  integrator_->addItem(tr("Пуассон на маске"), static_cast<int>(Integrator::kOnMask));
  run_ = new QPushButton(tr("Восстановить"), solve);
  run_->setObjectName(QStringLiteral("RecoverRun"));
  cancel_ = new QPushButton(tr("Отмена"), solve);
  cancel_->setObjectName(QStringLiteral("RecoverCancel"));
  cancel_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);
  auto* solveLayout = new QFormLayout(solve);
  solveLayout->addRow(tr("Метод:"), method_);
  solveLayout->addRow(tr("Интегрирование:"), integrator_);
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
  folderLabel_->setText(tr("%1: %2 снимков %3×%4")
                            .arg(QDir::toNativeSeparators(folder))
                            .arg(photos_->intensity.size())
                            .arg(photos_->width)
                            .arg(photos_->height));
  fromFolder_->setEnabled(true);
  fromFolder_->setChecked(true);
}

void RecoveryControls::AskFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, tr("Папка снимков"));
  if (!folder.isEmpty()) emit FolderChosen(folder);
}
