// What Form1 does for «Восстановление формы»: the window made when the surface window first asks
// for it, fed with what the surface window shows, and the chosen cell's true and recovered
// orientations marked on the map, the true one pinned so that its isophotes are drawn.

#include "app/common/companion_placement.h"
#include "app/common/companion_window.h"
#include "app/form/form1.h"
#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/recovery/recovery_window.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_window.h"

void Form1::OpenRecovery() {
  if (recovery_ == nullptr) {
    recovery_ = new RecoveryWindow(this);
    CompanionPlacement::Follow(*recovery_, *window());
    recovery_->SetSnapshotSource([this]() -> std::optional<SurfaceSnapshot> {
      if (!lastPass_) return std::nullopt;
      SurfaceSnapshot snapshot{lastPass_->state, nullptr, {}};
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
