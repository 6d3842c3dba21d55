// «Поверхность» and «Восстановление формы»: the surface's window linked with the map and ringing
// on the form's picture the normal of the cell under its pointer; the recovery's window fed with
// what the surface window shows, its chosen cell's true and recovered orientations marked on
// the map, the true one pinned so that its isophotes are drawn.

#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/companions.h"
#include "app/form/form1.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/recovery/recovery_window.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_window.h"

// Made when first asked for, or hidden for a setup's surface; it follows every pass while it is
// shown.
SurfaceWindow& Companions::EnsureSurfaceWindow() {
  if (surface_ == nullptr) {
    surface_ = new SurfaceWindow(form_.Jobs(), &form_);
    connect(surface_, &SurfaceWindow::ShownChanged, openSurface_, &QAction::setChecked);
    connect(surface_, &SurfaceWindow::ShadeRequested, this, [this] { form_.PressShade(); });
    // Through this object, which goes before the windows: a window going with the form marks
    // nothing on it.
    connect(surface_, &SurfaceWindow::CellPointed, this,
            [this](std::optional<Gradient> gradient) { form_.MarkNormal(gradient); });
    connect(surface_, &SurfaceWindow::ProfileChosen, this, &Companions::ShowSurfaceProfile);
    connect(&surface_->Controls(), &SurfaceControls::RecoveryRequested, this,
            &Companions::OpenRecovery);
    if (mapWindow_ != nullptr) surface_->LinkMap(*mapWindow_);
    if (form_.LastPassResult()) surface_->ShowPass(*form_.LastPassResult());
    // At the bottom of the screen: the map's window opens at the top.
    CompanionPlacement::Follow(*surface_, *form_.window(), BesideRow::kBottom);
  }
  return *surface_;
}

void Companions::OpenSurface() {
  EnsureSurfaceWindow();
  BringForward(*surface_);
}

void Companions::OpenRecovery() {
  if (recovery_ == nullptr) {
    recovery_ = new RecoveryWindow(&form_);
    CompanionPlacement::Follow(*recovery_, *form_.window());
    recovery_->SetSnapshotSource([this]() -> std::optional<SurfaceSnapshot> {
      const std::optional<LastPass>& last = form_.LastPassResult();
      if (!last) return std::nullopt;
      SurfaceSnapshot snapshot{last->state, nullptr, {}};
      const ShownSurface* shown = surface_ != nullptr ? surface_->Shown() : nullptr;
      if (shown != nullptr) {
        snapshot.law = shown->pass.state;
        snapshot.scene = shown->scene;
        snapshot.sources = AimsOf(shown->sources);
      }
      return snapshot;
    });
    connect(recovery_, &RecoveryWindow::PixelChosen, this,
            [this](std::optional<Gradient> truth, std::optional<Gradient> recovered) {
              if (mapWindow_ == nullptr || !mapWindow_->isVisible()) {
                OpenGradientMap();
                recovery_->activateWindow();
              }
              MapFigure& figure = mapWindow_->Figure();
              figure.SetRecoveredGradient(recovered);
              if (truth) {
                figure.PinGradient(*truth);
              } else {
                figure.Unpin();
              }
            });
  }
  BringForward(*recovery_);
}
