#pragma once
// The pictures of «Анимация…»: one frame of the sphere, the map R(p, q), the surface's images or
// the row of compared laws, painted off the window's thread from a SweptFrame and what was taken
// from the window when the sweep began (AnimatedScene), as that window paints it: the pass's
// colours, then what its window draws over them (contour lines, outline and sun mark; the map's
// axes, sources and hatch; the row's captions). One logical pixel a pixel; nothing the windows
// show changes.
//
//   AnimatedScene (copied at the start) + SweptFrame -> PaintFrame -> QImage

#include <QFont>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/animation/sweep_setting.h"
#include "app/surface/surface_choice.h"
#include "gradient/gradient_view.h"
#include "overlay/overlay_marks.h"
#include "surface/surface_image.h"

enum class AnimatedPicture { kSphere, kMap, kSurface, kCompare };

struct AnimatedScene {
  AnimatedPicture picture = AnimatedPicture::kSphere;
  bool smoothing = false;
  OverlayChoice overlay;
  QSize size;             // the sphere's or the map's picture
  GradientView view;      // the map's
  bool litByAll = false;  // the map's hatch
  QFont font;             // the map's figure and the row's captions
  // The surface: the scene shown (or, before one was painted, the choice to make it from).
  std::shared_ptr<const SurfaceScene> surface;
  SurfaceChoice surfaceChoice;
  bool castShadows = false;
  // The row: each sphere's function and parameters, and its caption.
  std::vector<RenderState> compared;
  QStringList captions;
};

QImage PaintFrame(const AnimatedScene& scene, const SweptFrame& frame);
