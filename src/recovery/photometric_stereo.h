#pragma once
// Photometric stereo: the normal and albedo of every cell from three or more images taken under
// different known sources, the camera and the surface fixed.
//
// Woodham: for a matte surface I_k = albedo N.S_k, so g = albedo N solves the linear least
// squares L g = I over the images where the cell is lit (above a shadow threshold), L the rows
// S_k; albedo = |g|, N = g / |g|. Solved per cell in 64-bit through the 3 x 3 normal equations,
// made once for cells lit in every image.
//
// With the law known: per cell, the (p, q) that minimise sum_k (I_k - albedo R_k(p, q))^2,
// albedo in closed form for each (p, q), by Levenberg and Marquardt, the law's slopes by
// differences (LawIntensity). Woodham's answer for a glossy law lies too steep along the right
// direction, so the fit starts from it, from halfway to the flat normal and from the flat normal,
// and keeps the best. Three images leave three unknowns (p, q, albedo) and may fit other
// orientations exactly as well: give four or more for a law far from matte.
//
// A cell lit in fewer than three images, or whose lit sources lie in one plane, or whose normal
// turns away from the camera, is left unrecovered. A bad set of sources is a LightsError.

#include <variant>
#include <vector>

#include "model/render_state.h"
#include "recovery/light_check.h"
#include "recovery/recovered_normals.h"
#include "recovery/recovery_images.h"

// A cell counts as lit in an image when its intensity exceeds this share of the brightest
// intensity of all the images.
inline constexpr double kShadowShare = 1e-3;
inline constexpr int kLawStereoIterations = 50;
// Two starts' fits, both as good as the best, whose normals lie further apart than this (radians,
// one degree) mark the cell ambiguous; a cost below kExactShare of the intensities' squares is
// exact.
inline constexpr double kAmbiguousAngle = 0.0174533;
inline constexpr double kExactShare = 1e-12;

std::variant<RecoveredNormals, LightsError> WoodhamStereo(const RecoveryImages& images);

// Rows run on the pass pool; under a bound PassControl, a cancelled solve stops between blocks of
// rows (the result is then incomplete) and each block counts towards the progress.
// `ambiguous`, when given, gets one flag a cell: set where the starts found two fits the images
// cannot tell apart (three images of a glossy law may fit two orientations exactly).
std::variant<RecoveredNormals, LightsError> LawStereo(const RecoveryImages& images,
                                                      const RenderState& law,
                                                      int iterations = kLawStereoIterations,
                                                      std::vector<char>* ambiguous = nullptr);
