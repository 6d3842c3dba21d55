#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/language/core_texts.h"
#include "app/surface/surface_controls.h"

// The catalogue's titles and captions, the chosen files' titles and the tooltips of the boxes
// not marked; a marked box keeps its reason, which names what was typed.
void SurfaceControls::RetranslateUi() {
  const std::vector<SurfaceKind>& catalogue = SurfaceCatalogue();
  for (size_t k = 0; k < catalogue.size(); ++k) {
    const int index = static_cast<int>(k);
    kind_->setItemText(index, SurfaceTitle(catalogue[k]));
    kind_->setItemData(index, SurfaceOrigin(catalogue[k]), Qt::ToolTipRole);
  }
  if (kind_->count() > ModelIndex()) kind_->setItemText(ModelIndex(), ModelTitle());
  albedoName_->setText(AlbedoTitle());
  if (InputBoxMark(*heightScale_).isEmpty()) {
    heightScale_->setToolTip(tr("Множитель всех высот; отрицательный переворачивает рельеф"));
  }
  if (ModelChosen()) return;
  for (const SurfaceParameter& parameter :
       catalogue.at(static_cast<size_t>(kind_->currentIndex())).parameters) {
    const QString name = QString::fromUtf8(parameter.name);
    if (auto* label =
            parameters_->findChild<QLabel*>(QStringLiteral("SurfaceParameterLabel_") + name)) {
      label->setText(SurfaceParameterTitle(parameter));
    }
    auto* box = parameters_->findChild<QLineEdit*>(QStringLiteral("SurfaceParameter_") + name);
    if (box != nullptr && InputBoxMark(*box).isEmpty()) {
      box->setToolTip(tr("от %1 до %2").arg(DoubleText(parameter.low), DoubleText(parameter.high)));
    }
  }
}

QString SurfaceControls::ModelTitle() const {
  return tr("Модель: %1").arg(QFileInfo(modelPath_).fileName());
}

QString SurfaceControls::AlbedoTitle() const {
  return albedoPath_.isEmpty() ? QString()
                               : tr("Альбедо: %1").arg(QFileInfo(albedoPath_).fileName());
}
