// What Form1 adds around Picture1: the readout of the last pass under the pointer and the
// picture's context menu for saving and copying it. Neither touches the picture's pixels or the
// RenderState; the readout reads the last pass.

#include <QLabel>
#include <QPushButton>

#include "app/common/locale_numbers.h"
#include "app/form/form1.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "app/picture/pointer_readout.h"
#include "figure/overlay_drawing.h"
#include "model/startup_values.h"
#include "pass/readout.h"

void Form1::SetUpPictureAdditions() {
  readout_ =
      new PointerReadout(*picture1_, *this, &ReadoutAtPixel, [this] { return LastPassState(); });
  pictureMenu_ = new PictureMenu(
      *picture1_, *this, [this] { return PictureToExport(); },
      [this] { return ExportedLayers(*picture1_, label6_); });
  pictureMenu_->OfferLegend([this]() -> std::optional<FigureLegend> {
    if (!lastPass_) return std::nullopt;
    return FigureLegendOf(lastPass_->state, UserLocale());
  });
  // The marks of the pass shown, in the width and over the background it was shaded with.
  picture1_->SetOverlay([this](QPainter& painter) {
    if (!lastPass_) return;
    const RenderState& shown = lastPass_->state;
    DrawSphereOverlay(painter, picture1_->PixelRatio(), shownOverlay_, lastPass_->lineWidth,
                      Rgb{shown.backgroundR, shown.backgroundG, shown.backgroundB});
    DrawMarkedNormal(painter);
  });
}

void Form1::PressShade() { command1_->click(); }

QImage Form1::PictureToExport() const { return ExportedPicture(*picture1_, label6_); }
