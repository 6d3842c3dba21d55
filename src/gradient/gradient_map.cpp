#include "gradient/gradient_map.h"

#include "gradient/gradient_view.h"

void RunGradientMapPass(const RenderState& lastPass, Picture& picture, bool smoothing, int scale) {
  PaintGradientMap(lastPass, picture, smoothing, ScaledGradientView(scale));
}
