#include "app/surface/surface_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <variant>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/core_texts.h"
#include "app/language/translated_texts.h"
#include "app/surface/albedo_image.h"
#include "app/surface/elevation_open.h"
#include "intake/number_text.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr qsizetype kQuotedCharacters = 40;  // a text quoted in a box's mark is cut after this

// Why `text` gives no value within [low, high], or nothing when it does (then `value` holds it).
QString Refusal(const QString& text, double low, double high, double kept, double& value) {
  const NumberReading<double> reading = ReadDouble(text.toStdString(), UserNumberFormat());
  const QString quoted =
      text.size() > kQuotedCharacters ? text.left(kQuotedCharacters) + QStringLiteral("…") : text;
  if (!reading.Ok()) {
    return SurfaceControls::tr("«%1» не читается как число; остаётся %2")
        .arg(quoted, DoubleText(kept));
  }
  if (reading.value < low || reading.value > high) {
    return SurfaceControls::tr("%1 — вне пределов от %2 до %3; остаётся %4")
        .arg(quoted, DoubleText(low), DoubleText(high), DoubleText(kept));
  }
  value = reading.value;
  return {};
}

// A label whose text follows the language.
QLabel* KeptLabel(QWidget& parent, const char* source) {
  return TranslatedLabel(parent, "SurfaceControls", source);
}

QSpinBox* SideBox(const QString& name, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(kMinSurfaceWindowSide, kMaxSurfaceWindowSide);
  box->setValue(kDefaultSurfaceSide);
  box->setKeyboardTracking(false);  // a side typed digit by digit is one change
  return box;
}

}  // namespace

SurfaceControls::SurfaceControls(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SurfaceControls"));
  for (const SurfaceKind& kind : SurfaceCatalogue()) values_.push_back(StartValues(kind));
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("SurfaceKind"));
  for (size_t k = 0; k < SurfaceCatalogue().size(); ++k) kind_->addItem(QString());
  width_ = SideBox(QStringLiteral("SurfaceWidth"), this);
  height_ = SideBox(QStringLiteral("SurfaceHeight"), this);
  auto* top = new QFormLayout;
  top->addRow(KeptLabel(*this, QT_TRANSLATE_NOOP("SurfaceControls", "Поверхность")), kind_);
  top->addRow(KeptLabel(*this, QT_TRANSLATE_NOOP("SurfaceControls", "Ширина, клеток")), width_);
  top->addRow(KeptLabel(*this, QT_TRANSLATE_NOOP("SurfaceControls", "Высота, клеток")), height_);

  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  heightScale_ = new QLineEdit(DoubleText(heightScaleValue_), this);
  heightScale_->setObjectName(QStringLiteral("SurfaceHeightScale"));
  auto* scaleRow = new QFormLayout;
  scaleRow->addRow(KeptLabel(*this, QT_TRANSLATE_NOOP("SurfaceControls", "Масштаб высот")),
                   heightScale_);
  castShadows_ = new QCheckBox(this);
  castShadows_->setObjectName(QStringLiteral("SurfaceCastShadows"));
  texts.Keep(castShadows_, &QCheckBox::setText, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls", "Тени рельефа"));
  texts.Keep(castShadows_, &QWidget::setToolTip, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls",
                               "Клетки, которые рельеф заслоняет от источника, — глубокая тень"));

  auto* albedo = new QPushButton(this);
  albedo->setObjectName(QStringLiteral("SurfaceAlbedo"));
  texts.Keep(albedo, &QPushButton::setText, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls", "Альбедо…"));
  texts.Keep(albedo, &QWidget::setToolTip, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls",
                               "Рисунок в оттенках серого, растянутый на "
                               "поверхность: белое — альбедо 1"));
  noAlbedo_ = new QPushButton(this);
  texts.Keep(noAlbedo_, &QPushButton::setText, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls", "Без альбедо"));
  noAlbedo_->setObjectName(QStringLiteral("SurfaceNoAlbedo"));
  noAlbedo_->setEnabled(false);
  albedoName_ = new QLabel(this);
  albedoName_->setObjectName(QStringLiteral("SurfaceAlbedoName"));
  auto* albedoRow = new QHBoxLayout;
  albedoRow->addWidget(albedo);
  albedoRow->addWidget(noAlbedo_);
  // Reading elevation models is a part of its own (elevation_open.h).
  auto* model = new QPushButton(this);
  model->setObjectName(QStringLiteral("SurfaceOpenModel"));
  texts.Keep(model, &QPushButton::setText, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls", "Открыть модель рельефа…"));

  parameters_ = new QWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(parameters_);
  layout->addLayout(scaleRow);
  layout->addWidget(castShadows_);
  layout->addLayout(albedoRow);
  layout->addWidget(albedoName_);
  layout->addWidget(model);
  layout->addStretch(1);
  auto* recover = new QPushButton(this);
  recover->setObjectName(QStringLiteral("SurfaceRecover"));
  texts.Keep(recover, &QPushButton::setText, "SurfaceControls",
             QT_TRANSLATE_NOOP("SurfaceControls", "Восстановление формы…"));
  layout->addWidget(recover);
  connect(recover, &QPushButton::clicked, this, &SurfaceControls::RecoveryRequested);
  BuildParameterBoxes();
  texts.Keep([this] { RetranslateUi(); });

  connect(kind_, &QComboBox::currentIndexChanged, this, &SurfaceControls::OnKindChosen);
  connect(width_, &QSpinBox::valueChanged, this, &SurfaceControls::SurfaceChanged);
  connect(height_, &QSpinBox::valueChanged, this, &SurfaceControls::SurfaceChanged);
  connect(heightScale_, &QLineEdit::textChanged, this, &SurfaceControls::OnHeightScaleEdited);
  connect(castShadows_, &QCheckBox::toggled, this, &SurfaceControls::Changed);
  connect(albedo, &QPushButton::clicked, this, &SurfaceControls::AskAlbedo);
  connect(noAlbedo_, &QPushButton::clicked, this, &SurfaceControls::DropAlbedo);
  connect(model, &QPushButton::clicked, this, &SurfaceControls::AskModel);
}

SurfaceChoice SurfaceControls::Choice() const {
  SurfaceChoice choice;
  choice.kind = ModelChosen() ? 0 : kind_->currentIndex();
  choice.width = width_->value();
  choice.height = height_->value();
  choice.values = values_.at(static_cast<size_t>(choice.kind));
  choice.heightScale = heightScaleValue_;
  if (ModelChosen()) choice.imported = model_;
  choice.albedo = albedo_;
  return choice;
}

bool SurfaceControls::CastShadows() const { return castShadows_->isChecked(); }

int SurfaceControls::ModelIndex() const { return static_cast<int>(SurfaceCatalogue().size()); }

bool SurfaceControls::ModelChosen() const {
  return model_ && kind_->currentIndex() == ModelIndex();
}

void SurfaceControls::OnKindChosen() {
  if (!ModelChosen()) catalogueKind_ = kind_->currentIndex();
  BuildParameterBoxes();
  // A model keeps the size of its grid.
  width_->setEnabled(!ModelChosen());
  height_->setEnabled(!ModelChosen());
  SurfaceChanged();
}

// One box a parameter of the chosen kind, labelled with its title; none for a model.
void SurfaceControls::BuildParameterBoxes() {
  delete parameterRows_;
  for (QWidget* old : parameters_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    delete old;
  }
  parameterRows_ = new QFormLayout(parameters_);
  parameterRows_->setContentsMargins(0, 0, 0, 0);
  if (ModelChosen()) return;
  const auto kind = static_cast<size_t>(kind_->currentIndex());
  const std::vector<SurfaceParameter>& parameters = SurfaceCatalogue().at(kind).parameters;
  for (size_t k = 0; k < parameters.size(); ++k) {
    const SurfaceParameter& parameter = parameters[k];
    auto* box = new QLineEdit(DoubleText(values_[kind][k]), parameters_);
    box->setObjectName(QStringLiteral("SurfaceParameter_") + QString::fromUtf8(parameter.name));
    box->setToolTip(tr("от %1 до %2").arg(DoubleText(parameter.low), DoubleText(parameter.high)));
    connect(box, &QLineEdit::textChanged, this, [this, k, box] { OnParameterEdited(k, *box); });
    auto* label = new QLabel(SurfaceParameterTitle(parameter), parameters_);
    label->setObjectName(QStringLiteral("SurfaceParameterLabel_") +
                         QString::fromUtf8(parameter.name));
    parameterRows_->addRow(label, box);
  }
  // A layout shows what it is given at the next turn of the event loop; shown now, the rows count
  // in the size the window fits itself to at once.
  for (QWidget* part : parameters_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    part->show();
  }
}

void SurfaceControls::OnParameterEdited(size_t parameter, QLineEdit& box) {
  const auto kind = static_cast<size_t>(kind_->currentIndex());
  const SurfaceParameter& range = SurfaceCatalogue().at(kind).parameters.at(parameter);
  double& kept = values_[kind][parameter];
  double value = kept;
  const QString refusal = Refusal(box.text(), range.low, range.high, kept, value);
  MarkInputBox(box, refusal);
  if (!refusal.isEmpty()) return;
  box.setToolTip(tr("от %1 до %2").arg(DoubleText(range.low), DoubleText(range.high)));
  if (value == kept) return;
  kept = value;
  SurfaceChanged();
}

// A model is read again at the new scale: the reader applies it.
void SurfaceControls::OnHeightScaleEdited() {
  double value = heightScaleValue_;
  QString refusal = Refusal(heightScale_->text(), -kHeightScaleLimit, kHeightScaleLimit,
                            heightScaleValue_, value);
  if (refusal.isEmpty() && value != heightScaleValue_ && model_) {
    auto read = OpenElevationFile(modelPath_, std::nullopt, value);
    if (auto* reason = std::get_if<QString>(&read)) {
      refusal = *reason;
    } else {
      model_ = std::make_shared<const HeightField>(std::move(std::get<HeightField>(read)));
    }
  }
  MarkInputBox(*heightScale_, refusal);
  if (!refusal.isEmpty()) return;
  heightScale_->setToolTip(tr("Множитель всех высот; отрицательный переворачивает рельеф"));
  if (value == heightScaleValue_) return;
  heightScaleValue_ = value;
  SurfaceChanged();
}

bool SurfaceControls::LoadAlbedo(const QString& path) {
  std::variant<QImage, QString> read = ReadAlbedoImage(path);
  if (const auto* reason = std::get_if<QString>(&read)) {
    QMessageBox::warning(this, window()->windowTitle(),
                         tr("Не удалось прочитать рисунок альбедо «%1»: %2")
                             .arg(QDir::toNativeSeparators(path), *reason));
    return false;
  }
  albedo_ = std::get<QImage>(std::move(read));
  albedoPath_ = QFileInfo(path).absoluteFilePath();
  albedoName_->setText(AlbedoTitle());
  noAlbedo_->setEnabled(true);
  SurfaceChanged();
  return true;
}

void SurfaceControls::DropAlbedo() {
  if (albedo_.isNull()) return;
  albedo_ = QImage();
  albedoPath_.clear();
  albedoName_->clear();
  noAlbedo_->setEnabled(false);
  SurfaceChanged();
}

bool SurfaceControls::OpenModel(const QString& path) {
  auto read = OpenElevationFile(path, std::nullopt, heightScaleValue_);
  if (auto* reason = std::get_if<QString>(&read)) {
    QMessageBox::warning(this, window()->windowTitle(),
                         tr("Не удалось открыть модель рельефа «%1»: %2")
                             .arg(QDir::toNativeSeparators(path), *reason));
    return false;
  }
  model_ = std::make_shared<const HeightField>(std::move(std::get<HeightField>(read)));
  modelPath_ = path;
  const QString title = ModelTitle();
  if (kind_->count() == ModelIndex()) {
    kind_->addItem(title);
  } else {
    kind_->setItemText(ModelIndex(), title);
  }
  kind_->setItemData(ModelIndex(), QDir::toNativeSeparators(path), Qt::ToolTipRole);
  const QSignalBlocker quiet(kind_);
  kind_->setCurrentIndex(ModelIndex());
  OnKindChosen();
  return true;
}

void SurfaceControls::AskAlbedo() {
  const QString path = QFileDialog::getOpenFileName(
      this, tr("Рисунок альбедо"), QString(),
      tr("Рисунки (*.png *.bmp *.jpg *.jpeg *.tif *.tiff *.gif *.pgm *.ppm);;Все файлы (*)"));
  if (!path.isEmpty()) LoadAlbedo(path);
}

void SurfaceControls::AskModel() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Модель рельефа"), QString(), tr("Все файлы (*)"));
  if (!path.isEmpty()) OpenModel(path);
}

void SurfaceControls::SurfaceChanged() {
  ++generation_;
  emit Changed();
}
