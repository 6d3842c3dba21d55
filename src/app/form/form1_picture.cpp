// What Form1 adds around Picture1: the readout of the last pass under the pointer, the picture's
// context menu for saving and copying it, and the gradient-space map it opens. None of them
// touches the picture's pixels or the RenderState; the readout and the map read the last pass.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/big_sphere/big_sphere_window.h"
#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/common/key_pass_through.h"
#include "app/form/form1.h"
#include "app/form/live_shading.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "app/picture/pointer_readout.h"
#include "app/surface/surface_window.h"
#include "figure/overlay_drawing.h"
#include "model/startup_values.h"
#include "pass/readout.h"

void Form1::SetUpPictureAdditions() {
  readout_ =
      new PointerReadout(*picture1_, *this, &ReadoutAtPixel, [this] { return LastPassState(); });
  pictureMenu_ = new PictureMenu(
      *picture1_, *this, [this] { return PictureToExport(); },
      [this] { return ExportedLayers(*picture1_, label6_); });
  // The marks of the pass shown, in the width and over the background it was shaded with.
  picture1_->SetOverlay([this](QPainter& painter) {
    if (!lastPass_) return;
    const RenderState& shown = lastPass_->state;
    DrawSphereOverlay(painter, picture1_->PixelRatio(), shownOverlay_, lastPass_->lineWidth,
                      Rgb{shown.backgroundR, shown.backgroundG, shown.backgroundB});
    DrawMarkedNormal(painter);
  });
  openMap_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(openMap_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Карта R(p, q)"));
  openMap_->setObjectName(QStringLiteral("OpenGradientMap"));
  openMap_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  // Checked while the map is shown: the key, the menus and the map's own close button agree.
  openMap_->setCheckable(true);
  connect(openMap_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenGradientMap();
    } else if (mapWindow_ != nullptr) {
      mapWindow_->close();
    }
  });
  pictureMenu_->AddAction(openMap_);
  showSources_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(showSources_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Источники"));
  showSources_->setObjectName(QStringLiteral("ShowSources"));
  showSources_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  showSources_->setCheckable(true);
  connect(showSources_, &QAction::triggered, this, &Form1::OnShowSourcesTriggered);
  openBigSphere_ = new QAction(this);
  TranslatedTexts::Of(*this).Keep(openBigSphere_, &QAction::setText, "Form1",
                                  QT_TRANSLATE_NOOP("Form1", "Сфера крупно"));
  openBigSphere_->setObjectName(QStringLiteral("OpenBigSphere"));
  openBigSphere_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  openBigSphere_->setCheckable(true);
  connect(openBigSphere_, &QAction::triggered, this, [this](bool show) {
    if (show) {
      OpenBigSphere();
    } else if (bigSphere_ != nullptr) {
      bigSphere_->close();
    }
  });
  SetUpSurfaceAction();
}

// Made when first asked for; it follows every pass while it is shown.
void Form1::OpenBigSphere() {
  if (bigSphere_ == nullptr) {
    bigSphere_ = new BigSphereWindow(*jobs_, this);
    CompanionPlacement::Follow(*bigSphere_, *window());
    connect(bigSphere_, &BigSphereWindow::ShownChanged, openBigSphere_, &QAction::setChecked);
    connect(bigSphere_, &BigSphereWindow::ShadeRequested, command1_, &QPushButton::click);
    live_->FollowSphere(bigSphere_->Picture());
    bigSphere_->ContextMenu().AddAction(openMap_);
    if (lastPass_) bigSphere_->ShowPass(*lastPass_, overlay_);
  }
  BringForward(*bigSphere_);
}

// The map's window is made when first asked for, or hidden for a setup's sources, and shows the
// last pass, if there was one; it then follows every pass until the program ends.
GradientMapWindow& Form1::EnsureMapWindow() {
  if (mapWindow_ == nullptr) {
    mapWindow_ = new GradientMapWindow(*jobs_, *showSources_, this);
    CompanionPlacement::Follow(*mapWindow_, *window());
    mapWindow_->SetOverlayChoice(overlay_);
    connect(mapWindow_, &GradientMapWindow::ShownChanged, openMap_, &QAction::setChecked);
    connect(mapWindow_, &GradientMapWindow::ShadeRequested, command1_, &QPushButton::click);
    live_->FollowMap(mapWindow_->Picture());
    mapWindow_->ContextMenu().AddAction(openSurface_);
    LeaveKeyToWindow(*mapWindow_, openSurface_->shortcut());
    if (surface_ != nullptr) surface_->LinkMap(*mapWindow_);
    if (lastPass_) mapWindow_->ShowPass(*lastPass_);
  }
  return *mapWindow_;
}

void Form1::OpenGradientMap() {
  EnsureMapWindow();
  BringForward(*mapWindow_);
}

// In the map the action shows or hides the panel; where the map is not shown (the main window's
// menu or key) it opens the map with its panel, whatever the check said.
void Form1::OnShowSourcesTriggered(bool show) {
  const bool mapShown = mapWindow_ != nullptr && mapWindow_->isVisible();
  if (!mapShown) OpenGradientMap();
  mapWindow_->ShowSources(show || !mapShown);
}

QImage Form1::PictureToExport() const { return ExportedPicture(*picture1_, label6_); }
