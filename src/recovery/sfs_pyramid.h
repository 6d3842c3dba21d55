#pragma once
// Shape from shading from coarse to fine. Both iterations move a height by a share of a cell's
// spacing at a time, so a shape many cells high takes as many iterations to rise: at 256 cells a
// side they had not settled after hundreds. The image is halved (2 x 2 cells averaged, the
// spacing doubled) down to kCoarsestSide cells a side, the method settles there from the start
// halved alike, and each finer grid starts from the coarser answer (bilinearly doubled), where
// only the detail is left to settle.
//
//   image -> halves ... -> coarsest: solve -> double, solve -> ... -> the image's grid: solve

#include <vector>

#include "model/height_field.h"
#include "model/render_state.h"
#include "recovery/recovery_images.h"
#include "recovery/shape_from_shading.h"

// A grid is halved while its shorter side is at least twice this.
inline constexpr int kCoarsestSide = 32;

// One grid's solve: what TsaiShahSfs and HornSfs run at each size.
using SfsSolver = SfsResult (*)(const RecoveryImages&, const RenderState&, const SfsOptions&);

// The heights are the image's grid's; the iterations those taken there. A cancel at any size
// stops the whole and is reported.
SfsResult CoarseToFine(const RecoveryImages& images, const RenderState& law,
                       const SfsOptions& options, SfsSolver solve);

// The first image at half the size, (w + 1) / 2 by (h + 1) / 2: each cell the mean of the (up to)
// four it covers, NaN if one of them has no data; the spacing doubled.
RecoveryImages HalvedImage(const RecoveryImages& images);

// Heights halved alike (the mean of the finite ones of the four; NaN if none).
std::vector<double> HalvedHeights(const std::vector<double>& z, int width, int height);

// Heights on the grid twice as fine (width x height, each at most twice the coarse side): each
// cell bilinear between the coarse cells around its centre, from the finite ones; `fallback`'s
// where none is finite.
std::vector<double> DoubledHeights(const HeightField& coarse, int width, int height,
                                   const std::vector<double>& fallback);
