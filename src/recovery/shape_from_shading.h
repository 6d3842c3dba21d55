#pragma once
// Shape from shading: the heights of a surface from one image, its law, source and albedo known.
//
// - Tsai and Shah (1994): the reflectance equation E = R(p, q) with p and q taken as one-sided
//   differences of z is one equation f(z) = 0 per cell; each iteration takes one Newton step per
//   cell, every cell from the heights of the iteration before. The differences run from the side
//   the light comes from (backward where R rises with p, or q, at the flat orientation), so that
//   a step's pull from both neighbours has one sign; the step f f' / (f'^2 + guard) stays bounded
//   where f' vanishes. Heights beyond the grid are the start's. Stable for an oblique source.
//   Under a source on the view axis f' vanishes at the flat orientation and a bump and a dent
//   give one image: each cell's equation is then solved exactly from its lower neighbours, by
//   sweeps (recovery/overhead_sweeps.h), which gives the surface without dents; an iteration is
//   then one sweep from each corner.
// - Horn (1990): the minimum of the brightness error (E - R)^2 plus lambda times the roughness of
//   p and q plus mu times the mismatch between (p, q) and the slopes of z. Each iteration updates
//   (p, q) from their neighbours' mean, z's slopes and R linearised at the current (p, q); z is
//   then the least-squares integral of (p, q) (Simchony, Chellappa and Shao). lambda falls from
//   iteration to iteration, as Horn lets it, so that the answer loses its early smoothing.
//
// - Fast marching (Sethian 1996; Kimmel and Sethian 2001 for shape from shading): under a source
//   on the view axis the same eikonal equation as the sweeps, each cell's height fixed once, the
//   lowest first, from a heap (fast_marching_sfs.cpp); one pass, no iterations to settle. It
//   takes no oblique source (RecoverShape refuses one).
//
// Under an oblique source both run from coarse to fine (sfs_pyramid.h) and stop by the rules of
// sfs_stopping.h: the heights' mean change, or the brightness error that no longer falls.
//
// Image intensities are LawIntensity's (0 to 1 for matte); a cell at or below kSfsShadowed is in
// shadow, where any slope turned away from the source fits, and gives no brightness term. Both
// start from `start` or a flat surface. A flat start is a fixed point of Horn's method under a
// source on the view axis (R's slope vanishes at p = q = 0, and a bump and a dent give the same
// image): give it a start that bulges (Dome) to choose the convex answer. Cells without data stay
// NaN and are left out. Each iteration checks the calling thread's PassControl for a cancel and
// counts as one progress block; rows run on the pass pool.

#include <vector>

#include "model/height_field.h"
#include "model/render_state.h"
#include "recovery/recovery_images.h"

inline constexpr double kSfsShadowed = 1e-3;

struct SfsOptions {
  int iterations = 200;  // the cap
  double albedo = 1.0;
  std::vector<double> start;  // heights, one a cell of the image, or empty: flat
  // Stop once the heights move by no more than this share of the grid's spacing on average in an
  // iteration (or by sfs_stopping.h's other rule).
  double settled = 1e-3;
  // Started from a coarser grid's answer (sfs_pyramid.h): Horn's smoothing starts at its least.
  bool refining = false;
};

struct SfsResult {
  HeightField heights;  // the image's grid; NaN where the image has no data
  int iterations = 0;   // taken
  bool cancelled = false;
};

// The image is images.intensity[0] under images.sources[0].
SfsResult TsaiShahSfs(const RecoveryImages& images, const RenderState& law,
                      const SfsOptions& options = {});
SfsResult HornSfs(const RecoveryImages& images, const RenderState& law,
                  const SfsOptions& options = {});
// Under an oblique source, nothing: the heights are left empty (callers check SourceOnAxis).
SfsResult FastMarchingSfs(const RecoveryImages& images, const RenderState& law,
                          const SfsOptions& options = {});
// Whether the image's source lies on the view axis: R has no slope at the flat orientation.
bool SourceOnAxis(const RecoveryImages& images, const RenderState& law);

// A paraboloid over the grid, `rise` (in the heights' units) higher in the middle than at the
// corners: a start that leans every ambiguity towards a convex answer.
std::vector<double> Dome(int width, int height, double rise);
