#pragma once
// What an orientation pointed on the map marks on a surface's image: the cells whose orientation
// falls within the map pixel that holds it, and the pre-image of its isophote (the cells whose
// phi equals phi at the pointed orientation), as contour lines through the cells' phi.
//
//   pointed (p, q) -> its map pixel -> the cells whose (p, q) falls there
//   law's phi at each cell (once a pass) -> TraceContours at phi(pointed)

#include <cstdint>
#include <vector>

#include "gradient/gradient_view.h"
#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "overlay/marching_squares.h"
#include "surface/surface_gradients.h"

// 1 for each cell whose orientation lies in the pixel of a mapWidth x mapHeight map in `view`
// that holds `pointed`, as the field's cells; 0 elsewhere and for cells without data.
std::vector<uint8_t> CellsInMapPixel(const SurfaceGradients& gradients, const GradientView& view,
                                     int mapWidth, int mapHeight, Gradient pointed);

// The function's own phi under `source` at each cell (the value the map's isophotes follow),
// cell (column, row) at pixel (column, row); not finite for a cell without data.
SampleGrid SurfacePhiGrid(const RenderState& lastPass, const SurfaceGradients& gradients,
                          const LightAim& source);

// The pre-image of the isophote of `source` through `pointed`: the lines of `phiGrid` (that
// source's SurfacePhiGrid) at the function's phi of `pointed`, in image pixels.
std::vector<ContourLine> IsophotePreImage(const RenderState& lastPass, const SampleGrid& phiGrid,
                                          const LightAim& source, Gradient pointed);
