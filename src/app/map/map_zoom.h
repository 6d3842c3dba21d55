#pragma once
// How the map window frames gradient space: the map fills the picture, its scale growing with
// the picture (50 pixels a unit at the default 393x337, the smaller of the two ratios), times a
// zoom the user sets with Ctrl+wheel about the pointer; Ctrl+0 returns to the default. The
// picture holds K device pixels a logical one each way (the screen's scale, rounded up); the
// core's views and points are in device pixels, the window's positions in logical ones.

#include <QPointF>
#include <QSize>

#include "figure/figure_frame.h"
#include "gradient/gradient_view.h"

class MapZoom {
 public:
  // The core's view of a picture of `logical` size at `ratio` device pixels a logical one.
  GradientView ViewFor(QSize logical, int ratio) const;

  // Multiplies the scale by `factor`, the gradient under `pointer` (logical) staying under it.
  void ZoomAbout(QPointF pointer, QSize logical, int ratio, double factor);
  void Reset();
  // A zoom (clamped to its range) about `centre`, as a setup gives them.
  void Set(double zoom, Gradient centre);
  bool IsDefault() const { return zoom_ == 1.0 && centre_.p == 0.0 && centre_.q == 0.0; }
  double Zoom() const { return zoom_; }
  Gradient Centre() const { return centre_; }

 private:
  double zoom_ = 1.0;
  Gradient centre_;  // the gradient at the frame's centre
};
