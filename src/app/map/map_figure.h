#pragma once
// The map's picture as a figure: how it frames gradient space (MapZoom: the scale grows with the
// picture; Ctrl+wheel zooms about the pointer, Ctrl+0 returns to the default) and what is drawn
// over the core's colours (the axes, numbered ticks, letters and conventions, FigureLabels).
// The colours are the core's pass, painted by the window into the PictureBox's image; the figure
// is the picture's overlay, so that what is shown, saved and copied is one picture.
//
//   wheel, Ctrl+0, resize -> MapZoom -> viewChanged -> the window repaints the colours
//   PictureBox overlay    -> PaintFigureLabels over the colours

#include <QObject>
#include <QPointF>

#include "app/map/map_zoom.h"
#include "shading/gradient_view.h"

class PictureBox;
class QPainter;

class MapFigure final : public QObject {
  Q_OBJECT
 public:
  explicit MapFigure(PictureBox& picture, QObject* parent);

  // The core's view of the picture as it now is (device pixels).
  GradientView View() const;
  const MapZoom& Zoom() const { return zoom_; }

  // Zooms by `factor` about `pointer` (logical pixels of the picture); Reset returns to the
  // default view. Both send viewChanged.
  void ZoomAbout(QPointF pointer, double factor);
  void Reset();

 signals:
  // The view changed (zoom, or the picture's size): the colours must be painted again.
  void viewChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PaintOverlay(QPainter& painter) const;

  PictureBox& picture_;
  MapZoom zoom_;
  int wheelRemainder_ = 0;  // eighths of a degree of Ctrl+wheel turn not yet applied
};
