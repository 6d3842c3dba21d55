#pragma once
// A RenderState as the window leaves it after start-up and one default pass (view rotations 0,
// slant 0), set up without the shading library.

#include <cmath>
#include <sstream>
#include <string>

#include "model/angles.h"
#include "model/render_state.h"
#include "model/startup_values.h"
#include "photometry/light_source.h"

// The geometry tests' name for the program's conversion.
inline float DegreesToRadians(double degrees) { return RadiansFromDegrees(degrees); }

// "rotations X, Y, Z" in degrees, for the message of a failing row.
inline std::string DescribeRotations(double degX, double degY, double degZ) {
  std::ostringstream text;
  text << "rotations " << degX << ", " << degY << ", " << degZ;
  return text.str();
}

inline void SetSlant(RenderState& state, double degrees) {
  AimLightSource(state, RadiansFromDegrees(degrees));
}

inline RenderState StartupLikeState() {
  RenderState state;
  ApplyStartupValues(state);
  state.glossS = 0.5;
  state.glossN = 16.0;
  SetSlant(state, 0.0);
  return state;
}
