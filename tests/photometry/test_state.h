#pragma once
// A RenderState as the window leaves it after start-up and one default pass (view rotations 0,
// slant 0), set up by hand so that the photometry tests need nothing from the shading library.

#include <cmath>
#include <sstream>
#include <string>

#include "shading/render_state.h"

inline float DegreesToRadians(double degrees) {
  return static_cast<float>(degrees * 3.14159 / 180.0);
}

// "rotations X, Y, Z" in degrees, for the message of a failing row.
inline std::string DescribeRotations(double degX, double degY, double degZ) {
  std::ostringstream text;
  text << "rotations " << degX << ", " << degY << ", " << degZ;
  return text.str();
}

inline void SetSlant(RenderState& state, double degrees) {
  state.sourceSlant = DegreesToRadians(degrees);
  state.sourceX = 0.0F;
  state.sourceY = static_cast<float>(std::sin(static_cast<double>(state.sourceSlant)));
  state.sourceZ = static_cast<float>(std::cos(static_cast<double>(state.sourceSlant)));
}

inline RenderState StartupLikeState() {
  RenderState state;
  state.pixelScale = 0.01F;
  state.reflectanceKind = kMatte;
  state.glossS = 0.5;
  state.glossN = 16.0;
  state.isoLevel = {0.9F, 0.8F, 0.7F, 0.6F, 0.5F, 0.4F, 0.3F};
  state.isoHalfWidth.fill(0.005F);
  state.backgroundR = state.backgroundG = state.backgroundB = 255;
  state.showIsolines = 1;
  state.halfSphere = 1;
  SetSlant(state, 0.0);
  return state;
}
