#pragma once
// Photometric stereo that leaves out the samples a matte surface cannot explain: a highlight
// (a glossy law's lobe, far brighter than N.S) and a shadow's edge (darker). Per cell, from the
// images where it is lit (as Woodham's): while more than three are left and the least-squares fit
// misses one of them by more than kRejectAbove, the brightest sample is left out if the fit finds
// it too bright, else the darkest if the fit finds it too dark, whichever of the two leaves the
// smaller miss on the rest when both do, and the fit is made again. With four images the three
// left fit exactly, so the brightest-or-darkest rule alone decides: a least-squares residual
// cannot tell which of four samples is wrong.
//
// The normals are as Woodham's; rejectedSamples counts the samples left out over all cells.

#include <cstdint>
#include <variant>

#include "recovery/light_check.h"
#include "recovery/recovered_normals.h"
#include "recovery/recovery_images.h"

// A fit that misses a sample by more than this (in the images' intensity, 1 the brightest a
// matte cell can be: five grey levels of 8 bits) disagrees with it.
inline constexpr double kRejectAbove = 0.02;

struct RobustNormals {
  RecoveredNormals normals;
  int64_t rejectedSamples = 0;
};

std::variant<RobustNormals, LightsError> RobustStereo(const RecoveryImages& images);
