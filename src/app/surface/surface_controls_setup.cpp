// «Поверхность»'s controls in a setup: read as they stand, and restored as if chosen and typed,
// the setup's files read before anything changes.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <variant>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/surface/albedo_image.h"
#include "app/surface/elevation_open.h"
#include "app/surface/surface_controls.h"

SurfaceSetup SurfaceControls::Setup() const {
  SurfaceSetup setup;
  const auto kind = static_cast<size_t>(catalogueKind_);
  setup.kind = SurfaceCatalogue().at(kind).name;
  setup.parameters = values_.at(kind);
  setup.width = width_->value();
  setup.height = height_->value();
  setup.heightScale = heightScaleValue_;
  setup.castShadows = castShadows_->isChecked();
  setup.albedoPath = albedo_.isNull() ? std::string() : albedoPath_.toStdString();
  setup.elevationPath =
      ModelChosen() ? QFileInfo(modelPath_).absoluteFilePath().toStdString() : std::string();
  return setup;
}

std::optional<QString> SurfaceControls::Restore(const SurfaceSetup& setup) {
  const QString modelPath = QString::fromStdString(setup.elevationPath);
  std::shared_ptr<const HeightField> model;
  if (!modelPath.isEmpty()) {
    auto read = OpenElevationFile(modelPath, std::nullopt, setup.heightScale);
    if (auto* reason = std::get_if<QString>(&read)) {
      return tr("Не удалось открыть модель рельефа «%1»: %2")
          .arg(QDir::toNativeSeparators(modelPath), *reason);
    }
    model = std::make_shared<const HeightField>(std::move(std::get<HeightField>(read)));
  }
  const QString albedoPath = QString::fromStdString(setup.albedoPath);
  QImage albedo;
  if (!albedoPath.isEmpty()) {
    std::variant<QImage, QString> read = ReadAlbedoImage(albedoPath);
    if (const auto* reason = std::get_if<QString>(&read)) {
      return tr("Не удалось прочитать рисунок альбедо «%1»: %2")
          .arg(QDir::toNativeSeparators(albedoPath), *reason);
    }
    albedo = std::get<QImage>(std::move(read));
  }
  int kind = 0;
  while (kind < ModelIndex() &&
         SurfaceCatalogue().at(static_cast<size_t>(kind)).name != setup.kind) {
    ++kind;
  }
  if (kind == ModelIndex()) kind = 0;
  catalogueKind_ = kind;
  if (setup.parameters.size() == values_.at(static_cast<size_t>(kind)).size()) {
    values_.at(static_cast<size_t>(kind)) = setup.parameters;
  }
  {
    const QSignalBlocker quietKind(kind_);
    const QSignalBlocker quietWidth(width_);
    const QSignalBlocker quietHeight(height_);
    const QSignalBlocker quietScale(heightScale_);
    const QSignalBlocker quietShadows(castShadows_);
    width_->setValue(setup.width);
    height_->setValue(setup.height);
    heightScaleValue_ = setup.heightScale;
    heightScale_->setText(ShortestText(setup.heightScale));
    MarkInputBox(*heightScale_, QString());
    castShadows_->setChecked(setup.castShadows);
    albedo_ = albedo;
    albedoPath_ = albedo.isNull() ? QString() : QFileInfo(albedoPath).absoluteFilePath();
    albedoName_->setText(AlbedoTitle());
    noAlbedo_->setEnabled(!albedo.isNull());
    if (model) {
      model_ = model;
      modelPath_ = modelPath;
      const QString title = ModelTitle();
      if (kind_->count() == ModelIndex()) {
        kind_->addItem(title);
      } else {
        kind_->setItemText(ModelIndex(), title);
      }
      kind_->setItemData(ModelIndex(), QDir::toNativeSeparators(modelPath), Qt::ToolTipRole);
      kind_->setCurrentIndex(ModelIndex());
    } else {
      kind_->setCurrentIndex(kind);
    }
  }
  // The kind's boxes with the values restored, the sides as the kind allows, one change.
  BuildParameterBoxes();
  width_->setEnabled(!ModelChosen());
  height_->setEnabled(!ModelChosen());
  SurfaceChanged();
  return std::nullopt;
}
