#pragma once
// The second window, «Карта отражательной способности R(p, q)»: the reflectance map of the last
// pass over the gradient plane, beside the sphere. It is not modal; it is repainted after every
// pass of the form while it exists (Companions). The map takes the function, slant, s, n, legend,
// colour switch and smoothing of that pass from a copy of its RenderState; rotations, the half
// sphere and the arrow play no part. Resting the pointer on the map shows its readout, as on the
// sphere; a click pins it there with the isophotes through that orientation. Its context menu and
// keys are the sphere's: save and copy the map as shown, F5 shades (the main window's pass), Esc
// cancels the map's pass under way, or else unpins what a click pinned, or else closes the window,
// Ctrl+0 returns to the default view and Ctrl+L shows or hides «Источники» (SourcesPanel) at its
// side, by the action that the main window's «Вид» offers too. The window can be resized: the map
// fills it (MapFigure).
//
//   Form1's pass -> LastPass (copy) -> PaintGradientMap in MapFigure's view -> the map's
//   PictureBox, with the figure drawn over it

#include <QWidget>
#include <optional>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"
#include "overlay/overlay_marks.h"

class BackgroundPass;
class JobRunner;
class MapFigure;
class QAction;
class SourcesPanel;
class PictureBox;
class PictureMenu;
class PointerReadout;
class ReadoutOverlay;

class GradientMapWindow final : public CompanionWindow {
  Q_OBJECT
 public:
  // The map's passes run on `jobs`, off the window's thread. `showSources` is the action that
  // shows or hides «Источники»: the map offers it in its context menu and keys, and ShowSources
  // keeps its check in step with the panel.
  GradientMapWindow(JobRunner& jobs, QAction& showSources, QWidget* parent = nullptr);

  // Repaints the map for the state a pass left, with that pass's smoothing: at once when the
  // pass takes less than a frame, else once it has finished (BackgroundPass).
  void ShowPass(const LastPass& pass);
  // The contour lines and line width of the passes shown from now on (the main window shades
  // again after a change, which repaints the map).
  void SetOverlayChoice(const OverlayChoice& choice);
  // Stops the map's pass under way; the map shown stays. Esc does this while a pass runs.
  void CancelPass();

  PictureBox& Picture() const { return *picture_; }
  PictureMenu& ContextMenu() const { return *menu_; }
  MapFigure& Figure() const { return *figure_; }
  SourcesPanel& Sources() const { return *sources_; }
  // Shows or hides «Источники» (checkable; in the context menu).
  QAction* SourcesAction() const { return sourcesAction_; }
  // «Источники» beside the map: the window grows or shrinks by the panel, the map keeps its size;
  // the action's check follows.
  void ShowSources(bool show);
  // The state the map shows, once a pass has been shown; nullptr before.
  const RenderState* MapState() const { return shown_ ? &shown_->state : nullptr; }
  const ReadoutOverlay& ReadoutBox() const;

 signals:
  // F5 in this window: the main window's shade button.
  void ShadeRequested();

 private:
  // Paints the colours of the pass shown in the figure's view, at the screen's resolution.
  void PaintMap();
  void Paint(const LastPass& pass);
  void OnEscape();
  QStringList ExtraPhiLines(const RenderState& state, int width, int height, int x, int y) const;

  PictureBox* picture_ = nullptr;
  PointerReadout* readout_ = nullptr;  // p, q, i, e, g, phi and the zone under the pointer
  PictureMenu* menu_ = nullptr;
  MapFigure* figure_ = nullptr;
  SourcesPanel* sources_ = nullptr;
  QAction* sourcesAction_ = nullptr;
  BackgroundPass* mapPass_ = nullptr;
  std::optional<LastPass> shown_;  // the pass whose map is shown
  OverlayChoice overlay_;
};
