// How the surface window follows the map: the map's extra sources join the images, the
// orientation the map points at marks the images, and the cell under the pointer on an image is
// crossed on the map.

#include "app/map/gradient_map_window.h"
#include "app/map/map_figure.h"
#include "app/map/sources_panel.h"
#include "app/picture/picture_box.h"
#include "app/surface/surface_window.h"
#include "surface/surface_marks.h"

void SurfaceWindow::LinkMap(GradientMapWindow& map) {
  if (map_ != nullptr) return;
  map_ = &map;
  MapFigure& figure = map.Figure();
  connect(&map.Sources(), &SourcesPanel::Changed, this, &SurfaceWindow::Paint);
  connect(&figure, &MapFigure::PointedChanged, this, &SurfaceWindow::FindMapMarks);
  // A zoom changes the orientations one map pixel holds.
  connect(&figure, &MapFigure::ViewChanged, this, &SurfaceWindow::FindMapMarks);
  connect(this, &SurfaceWindow::CellPointed, &figure, &MapFigure::SetMarkedGradient);
  Paint();  // with the map's sources, and source 1's phi for the pre-image
}

void SurfaceWindow::FindMapMarks() {
  const bool had = mapMarks_.has_value();
  mapMarks_.reset();
  const std::optional<Gradient> pointed = map_ != nullptr ? map_->Figure().Pointed() : std::nullopt;
  if (shown_ && pointed) {
    const SurfaceScene& scene = *shown_->scene;
    const QSize mapSize = map_->Picture().Image().size();
    MapPointedMarks marks;
    marks.width = scene.field.width;
    marks.height = scene.field.height;
    marks.cells = CellsInMapPixel(scene.gradients, map_->Figure().View(), mapSize.width(),
                                  mapSize.height(), *pointed);
    if (!shown_->phi.values.empty()) {
      marks.preImage =
          IsophotePreImage(shown_->pass.state, shown_->phi, shown_->sources.front().aim, *pointed);
    }
    marks.lineWidth = shown_->pass.lineWidth;
    mapMarks_ = std::move(marks);
  }
  if (!had && !mapMarks_) return;
  for (SurfaceImageView* view : views_) view->Picture().update();
}
