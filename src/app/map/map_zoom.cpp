#include "app/map/map_zoom.h"

#include <algorithm>

#include "model/startup_values.h"

namespace {

// The scale grows with the picture, by the smaller of its two ratios to the default size.
double FitOf(QSize logical) {
  return std::min(static_cast<double>(logical.width()) / kDefaultPictureWidth,
                  static_cast<double>(logical.height()) / kDefaultPictureHeight);
}

}  // namespace

GradientView MapZoom::ViewFor(QSize logical, int ratio) const {
  GradientView view;
  // At the default size, zoom and ratio this is exactly 50 pixels a unit.
  view.pixelsPerUnit = kGradientPixelsPerUnit * ratio * FitOf(logical) * zoom_;
  // 0.0 - 0.0 is +0.0: the default view's origin is exactly the core's default.
  view.originX = 0.0 - centre_.p * view.pixelsPerUnit;
  view.originY = 0.0 - centre_.q * view.pixelsPerUnit;
  return view;
}

void MapZoom::ZoomAbout(QPointF pointer, QSize logical, int ratio, double factor) {
  const double zoom = std::clamp(zoom_ * factor, kMinMapZoom, kMaxMapZoom);
  const double applied = zoom / zoom_;
  if (applied == 1.0) return;
  const int width = logical.width() * ratio;
  const int height = logical.height() * ratio;
  const PixelPoint at = DevicePointOf(pointer, ratio);
  const Gradient under = GradientAtPixel(ViewFor(logical, ratio), width, height, at.x, at.y);
  // The centre moves towards the pointer's gradient as the scale grows.
  centre_ = {under.p - (under.p - centre_.p) / applied, under.q - (under.q - centre_.q) / applied};
  zoom_ = zoom;
}

void MapZoom::Set(double zoom, Gradient centre) {
  zoom_ = std::clamp(zoom, kMinMapZoom, kMaxMapZoom);
  centre_ = centre;
}

void MapZoom::Reset() {
  zoom_ = 1.0;
  centre_ = {};
}
