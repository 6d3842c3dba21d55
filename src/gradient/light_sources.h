#pragma once
// The light sources of the map's figure: the described source (the pass's slant, tilt 0) and up
// to seven more, each aimed by a slant from the view axis z and a tilt that turns it about z (tilt
// 0 is the described source's plane x = 0, a positive tilt turns y towards -x). In gradient space,
// where a normal is (-p, -q, 1), a source (sx, sy, sz) has its point (ps, qs) = (-sx, -sy) / sz
// and its shadow line (cos i = 0) is -sx p - sy q + sz = 0.
//
//   slant, tilt (degrees) -> AimLightSource (untilted, 32-bit) -> turned by the tilt (64-bit)

#include <optional>

#include "model/render_state.h"
#include "photometry/gradient_space.h"

// Eight in all, as many as the photometric stereo sets of the labs hold.
inline constexpr int kMaxLightSources = 8;
inline constexpr int kMaxExtraSources = kMaxLightSources - 1;  // beside the described one

struct LightAim {
  double slantDegrees = 0.0;
  double tiltDegrees = 0.0;
};

// The described source of the last pass: its slant, tilt 0.
LightAim DescribedSource(const RenderState& lastPass);

// The slant as the pass stores it: radians, 32-bit.
float SlantRadians(const LightAim& source);

// The unit vector towards a source, in 64-bit: the pass's (0, sin slant, cos slant), each stored
// as a 32-bit float, turned by the tilt about z.
struct SourceDirection {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
SourceDirection DirectionOf(const LightAim& source);

// The aim whose DirectionOf is `direction` (any length but zero) within 32-bit precision: the
// slant from the view axis and the tilt from the plane x = 0, in degrees of the program's pi. A
// direction on the view axis takes tilt 0.
LightAim AimOf(const SourceDirection& direction);

// The source's point (ps, qs), where the normal points at the source; none for a source at 90
// degrees from the view axis or beyond (its point lies at infinity or marks the darkest normal).
std::optional<Gradient> SourcePoint(const LightAim& source);

// A straight line a p + b q + c = 0 of gradient space.
struct GradientLine {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// The shadow line cos i = 0 of a source; none for a source on the view axis (every normal of
// gradient space is lit then, or none is).
std::optional<GradientLine> ShadowLine(const LightAim& source);
