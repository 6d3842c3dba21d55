#pragma once
// «Поверхность»: a height field's images E = R(p, q), one for each source used (source 1, the
// described one, then the map's «Источники» while the map exists), side by side, one pixel a
// cell at the screen's resolution; the window scrolls when they do not fit. Every pass of the
// main window, every change of its controls and of the sources paints them again off the
// window's thread (BackgroundPass: a newer request cancels the older; hiding the window cancels
// too). Under the pointer: the cell's readout, and CellPointed with its (p, q), which the map
// marks with a cross and the sphere with a ring. While the map points at an orientation (the
// pointer on it, or a pin): the cells of that map pixel washed over, and the pre-image of source
// 1's isophote through it. Each image's context menu saves or copies it; F5 shades (the main
// window's pass); Esc cancels the pass under way, or else closes the window.
//
//   LastPass + SurfaceControls + sources -> PaintSurface (the scene made again only when the
//   surface changed) -> the images; the map's Pointed() -> MapPointedMarks over them

#include <QLineF>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"
#include "app/surface/surface_image_view.h"
#include "app/surface/surface_paint.h"
#include "photometry/gradient_space.h"

class BackgroundPass;
class GradientMapWindow;
class JobRunner;
class QHBoxLayout;
class QScrollArea;
class SurfaceControls;

class SurfaceWindow final : public CompanionWindow {
  Q_OBJECT
 public:
  explicit SurfaceWindow(JobRunner& jobs, QWidget* parent = nullptr);

  // Paints the images again for the state `pass` left.
  void ShowPass(const LastPass& pass);
  // Follows `map`: its extra sources, the orientation it points at, and the cross it draws at
  // the cell under the pointer. Once.
  void LinkMap(GradientMapWindow& map);
  void CancelPass();
  // Moves the window beside `main`, at the bottom of its screen (the map opens at the top).

  SurfaceControls& Controls() const { return *controls_; }
  int ImageCount() const { return static_cast<int>(views_.size()); }
  SurfaceImageView& ImageView(int index) const { return *views_.at(static_cast<size_t>(index)); }
  // What the images show; nullptr before the first painting.
  const ShownSurface* Shown() const { return shown_ ? &*shown_ : nullptr; }
  // The marks of the map's pointed orientation; nullptr while it points at none.
  const MapPointedMarks* MapMarks() const { return mapMarks_ ? &*mapMarks_ : nullptr; }

 signals:
  // F5 in this window: the main window's shade button.
  void ShadeRequested();
  // The orientation of the cell under the pointer on an image; none once it leaves, or over a
  // cell without data.
  void CellPointed(std::optional<Gradient> gradient);
  // A profile's line dragged with Shift on image `image` (logical coordinates of its picture).
  void ProfileChosen(int image, QLineF line);

 protected:
  void OnShown() override;
  void OnHidden() override;

 private:
  std::vector<UsedSource> Sources() const;
  void Paint();
  void ShowPainted(PaintedSurface& painted, int generation);
  void OnEscape();
  void OnPointerMoved(size_t image, QPoint position);
  void OnPointerLeft(size_t image);
  void AddImageView();
  void FitToImages();
  QMargins FrameMargins() const;
  // In surface_map_link.cpp: what the map's pointed orientation marks on the images.
  void FindMapMarks();

  SurfaceControls* controls_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* images_ = nullptr;  // the row of images inside the scroll area
  QHBoxLayout* imageRow_ = nullptr;
  std::vector<SurfaceImageView*> views_;
  BackgroundPass* pass_ = nullptr;
  std::optional<LastPass> requested_;
  std::shared_ptr<const SurfaceScene> scene_;  // the scene of the last painting shown
  int sceneGeneration_ = -1;                   // the controls' generation it was made at
  std::optional<ShownSurface> shown_;
  std::optional<size_t> pointedImage_;  // the image under the pointer
  GradientMapWindow* map_ = nullptr;
  std::optional<MapPointedMarks> mapMarks_;
};
