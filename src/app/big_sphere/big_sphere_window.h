#pragma once
// «Сфера крупно»: the last pass's sphere painted again in a window of its own, as large as the
// window allows, for a projector. The scale K is the largest whole number at which the default
// picture (393 x 337, the sphere 100 pixels in radius) fits the window; the sphere is then
// painted 100 K pixels in radius about the window's centre, by the renderer's --scale K rule
// (pixelScale divided by K). Everything else is the small sphere's: the state, smoothing,
// exposure and marks of each pass shown, the readout under the pointer, the context menu (save,
// copy, the map), F5 to shade, drags that turn the view. Esc cancels its pass or closes it.
//
//   Form1's pass shown -> ShowPass -> RunRasterPass at K off the window's thread -> the picture
//   resize             -> the same pass again at the new K

#include <QWidget>
#include <optional>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"
#include "overlay/overlay_marks.h"

class BackgroundPass;
class JobRunner;
class PictureBox;
class PictureMenu;
class PointerReadout;

// The largest whole scale at which a default picture fits `size` (1 at least).
int LargestSphereScale(QSize size);

class BigSphereWindow final : public CompanionWindow {
  Q_OBJECT
 public:
  explicit BigSphereWindow(JobRunner& jobs, QWidget* parent = nullptr);

  // Paints the sphere of `pass` at the window's scale, with the marks `choice` draws.
  void ShowPass(const LastPass& pass, const OverlayChoice& choice);
  void CancelPass();

  PictureBox& Picture() const { return *picture_; }
  PictureMenu& ContextMenu() const { return *menu_; }
  // The state the picture shows (its pixelScale the window's), once a pass has been shown.
  const RenderState* ShownState() const { return shown_ ? &shown_->state : nullptr; }
  int Scale() const { return scale_; }

 signals:
  // F5 in this window: the main window's shade button.
  void ShadeRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void OnShown() override;
  void OnHidden() override;

 private:
  void Paint();
  void OnEscape();

  PictureBox* picture_ = nullptr;
  PointerReadout* readout_ = nullptr;
  PictureMenu* menu_ = nullptr;
  BackgroundPass* pass_ = nullptr;
  std::optional<LastPass> requested_;  // Form1's pass, at its own scale
  OverlayChoice choice_;
  std::optional<LastPass> shown_;  // the pass as painted here, at this window's scale
  SphereOverlay overlay_;
  int scale_ = 1;
};
