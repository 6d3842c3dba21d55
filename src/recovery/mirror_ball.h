#pragma once
// The lights of a photometric stereo set from images of a mirror ball, the first step of every
// lab: the ball's outline gives its centre and radius, each image's highlight the point whose
// normal halves the angle between the camera (the view axis, orthographic) and the light, and
// the law of reflection the light: L = 2 (N.V) N - V, V = (0, 0, 1).
//
//   mask of the ball -> centre, radius;  image -> highlight's centre -> N -> L -> slant, tilt

#include <optional>
#include <vector>

#include "gradient/light_sources.h"

struct MirrorBall {
  double column = 0.0;  // the centre, in cells from the top-left cell's centre
  double row = 0.0;
  double radius = 0.0;  // in cells
};

// The ball of a mask (one flag a cell, row by row): its cells' centroid and the radius of a disc
// of their area; none for an empty mask.
std::optional<MirrorBall> BallOfMask(const std::vector<char>& inside, int width, int height);

// The highlight is the intensity-weighted centre of the ball's cells at least kHighlightShare of
// the brightest of them; none when the ball is dark or the centre falls off it.
inline constexpr double kHighlightShare = 0.5;
std::optional<LightAim> LightOfHighlight(const std::vector<double>& image, int width, int height,
                                         const MirrorBall& ball);
