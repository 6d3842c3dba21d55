#pragma once
// Where the sphere picture's own marks lie, in picture positions (pixel centres at whole
// numbers), for the view of the last pass: the outline of the disc the picture shows and the
// point where a direction (the light source's, a surface normal's) meets the sphere.
//
// The picture shows the sphere along the unrotated line of sight (the y axis, the observer's side
// at +y), turned into the sphere's frame by the observer rotations (sphere_geometry.h). A point of
// the sphere's frame is carried back by the inverse rotations; its unrotated x and z, divided by
// pixelScale, are its offsets from the picture's centre (z upwards).

#include <optional>
#include <vector>

#include "gradient/gradient_view.h"
#include "model/render_state.h"
#include "overlay/marching_squares.h"

// The outline of what the picture shows of the sphere. The whole sphere: the rim, a circle of
// radius 1 / pixelScale about the centre. The half sphere z >= 0: the part of the rim that lies on
// it, and the part of the projected equator that bounds it, where the lines of sight meet the
// sphere only below z = 0 beyond it. As polylines; a closed one ends at its first point.
std::vector<ContourLine> SphereOutline(const RenderState& lastPass, int width, int height);

// Where the unit vector along (x, y, z), in the sphere's frame, meets the sphere, when the picture
// shows that point: not on the far side, nor where the half sphere has removed it. The sphere's
// frame is the map's: a surface of gradient (p, q) has its normal (-p, -q, 1) there.
std::optional<PixelPoint> DirectionOnPicture(const RenderState& lastPass, int width, int height,
                                             double x, double y, double z);

// Where the direction to the source (sourceX, sourceY, sourceZ) meets the sphere, when the picture
// shows that point: not on the far side, nor where the half sphere has removed it.
std::optional<PixelPoint> SourcePointOnPicture(const RenderState& lastPass, int width, int height);
