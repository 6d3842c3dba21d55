#pragma once
// The photometric equator: the great circle of the sphere through the point facing the observer
// (N = V = (0, 0, 1), e = 0) and the point facing the source (N = S, i = 0), along which limb
// darkening is read. Sampled along its length as the view shows it (overlay/sphere_marks.h:
// DirectionOnPicture), each picture pixel once, its distance the angle along the circle from the
// point facing the observer, in degrees, towards the source positive. With the source on the
// view axis any great circle through V would do: the one in the plane of the slant is taken.

#include <vector>

#include "curves/profile.h"
#include "model/render_state.h"

std::vector<ProfileSample> PhotometricEquatorProfile(const RenderState& lastPass, int width,
                                                     int height, const ProfileReader& readAt);
