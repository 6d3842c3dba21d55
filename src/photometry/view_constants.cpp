#include "photometry/view_constants.h"

#include <cmath>

#include "photometry/photometric_constants.h"

namespace {

// The y component of (0, -1, 0) turned about Ox, then Oy, then Oz, in double without rounding.
double ViewDepth(const ViewConstants& view) {
  // About Ox: (0, -cos a, -sin a). About Oy: x becomes -sin a * sin b. About Oz: y mixes x and y.
  const double y1 = -view.cosX;
  const double z1 = -view.sinX;
  const double x2 = z1 * view.sinY;
  return x2 * view.sinZ + y1 * view.cosZ;
}

}  // namespace

ViewConstants MakeViewConstants(const RenderState& state) {
  ViewConstants view;
  view.noRotation = state.rotX == 0.0F && state.rotY == 0.0F && state.rotZ == 0.0F;
  view.sinX = std::sin(static_cast<double>(state.rotX));
  view.cosX = std::cos(static_cast<double>(state.rotX));
  view.sinY = std::sin(static_cast<double>(state.rotY));
  view.cosY = std::cos(static_cast<double>(state.rotY));
  view.sinZ = std::sin(static_cast<double>(state.rotZ));
  view.cosZ = std::cos(static_cast<double>(state.rotZ));
  view.lineDepth = static_cast<float>(kLineDepthInPixels * static_cast<double>(state.pixelScale));
  view.viewDepth = ViewDepth(view);
  view.form.byDepth = std::fabs(view.viewDepth) >= kWellConditionedViewDepth;
  view.form.plusNearerStart = view.viewDepth <= 0.0;
  return view;
}
