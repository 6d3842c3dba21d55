#pragma once
// The image of a surface, E(x, y) = R(p(x, y), q(x, y)): each cell's colour is the map's colour
// at the cell's orientation for the source (the same function, evaluated and coloured as the map
// does: bands, zones, exposure), from phi times the cell's albedo. So with no albedo the image at
// every pixel is the map at that pixel's (p, q), bit for bit. One pixel a cell; cells without
// data in the background colour; cells in cast shadow as deep shadow.
//
//   height field -> gradients (once) -> for each source: SourcePhiField::Colour(p, q, albedo)

#include <optional>
#include <vector>

#include "gradient/light_sources.h"
#include "model/height_field.h"
#include "model/picture.h"
#include "model/render_state.h"
#include "pass/readout.h"
#include "surface/surface_gradients.h"

struct SurfaceScene {
  HeightField field;
  SurfaceGradients gradients;
  std::vector<double> albedo;  // one for each cell, or empty: 1 everywhere
};

// The scene of `field`: its gradients found once.
SurfaceScene MakeScene(HeightField field, std::vector<double> albedo = {});

// Paints the image of `scene` under `source` into `picture`, which has the field's size. Rows
// run on the pass pool; a cancelled pass (pass_control.h) stops between rows. `castShadow`: one
// flag a cell (cast_shadows.h), or empty.
void PaintSurfaceImage(const RenderState& lastPass, const SurfaceScene& scene,
                       const LightAim& source, const std::vector<uint8_t>& castShadow,
                       Picture& picture);

// What the pointer reads at a cell: its position (x right, y up, from the bottom-left cell, in
// the field's units), height, orientation, and for each source the angles and phi (times the
// albedo) as the map's readout gives them, and whether the cell lies in that source's cast
// shadow. Nothing for a cell without data or outside the grid.
struct SurfaceReadout {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  Gradient gradient;
  std::vector<Readout> sources;
  std::vector<bool> castShadow;
};

std::optional<SurfaceReadout> ReadSurfaceCell(const RenderState& lastPass,
                                              const SurfaceScene& scene,
                                              const std::vector<LightAim>& sources,
                                              const std::vector<std::vector<uint8_t>>& castShadows,
                                              int column, int row);
