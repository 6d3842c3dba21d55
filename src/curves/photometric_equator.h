#pragma once
// The photometric equator: the great circle of the sphere through the point facing the observer
// (N = V = (0, 0, 1), e = 0) and the point facing the source (N = S, i = 0), along which limb
// darkening is read. Its samples are the circle's normals a tenth of a degree apart, each read
// where it lies on the sphere (not at the pixel it falls in), so that the curve runs smoothly to
// the limb; a normal is kept where the view shows it (overlay/sphere_marks.h:
// DirectionOnPicture) within the picture, but for e = 90 exactly, where laws that divide by
// cos e (rocky, Minnaert with k < 1) are infinite. A sample's distance is the emission angle e in
// degrees, signed along the circle: positive towards the source. With the source on the view
// axis any great circle through V would do: the one in the plane of the slant is taken.
//
// The unit is the emission angle rather than the distance from the centre in radii because the
// laws are written in e (Minnaert's cos^(k-1) e, Lommel-Seeliger's cos e): read in degrees,
// the last tenth of the radius, where the limb darkens, is spread over some 25 degrees.

#include <string>
#include <vector>

#include "curves/profile.h"
#include "model/render_state.h"

inline constexpr int kEquatorStepsPerDegree = 10;

std::vector<ProfileSample> PhotometricEquatorProfile(const RenderState& lastPass, int width,
                                                     int height);

// "e,x,y,phi,painted": the plotted emission angle (degrees, 3 decimals), then the picture pixel
// the sample falls in and its values, as ProfileCsv writes them.
std::string EquatorProfileCsv(const std::vector<ProfileSample>& samples);
