#pragma once
// One recovery from start to end, as the window and the renderer run it: photometric stereo
// (Woodham's, or the fit to the known law) whose gradients are then integrated, or shape from
// shading from the first image under its source (Tsai and Shah's from a flat start, Horn's from a
// low dome, which chooses the convex answer where one image cannot tell). The normals shown and
// measured are the stereo's own, or those of the heights shape from shading found.
//
//   images + law + method (+ integrator) -> normals and heights, or the lights' message

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "model/height_field.h"
#include "model/render_state.h"
#include "recovery/light_check.h"
#include "recovery/recovered_normals.h"
#include "recovery/recovery_images.h"

enum class RecoveryMethod {
  kWoodhamStereo,
  kLawStereo,
  kTsaiShah,
  kHorn,
  kRobustStereo,
  kFastMarching,
};
enum class Integrator { kFrankotChellappa, kDctPoisson, kOnMask };

// The renderer's names: ps, ps-law, sfs-tsai-shah, sfs-horn, ps-robust (robust_stereo.h), sfs-fmm
// (fast marching, shape_from_shading.h); fc, dct, poisson.
std::optional<RecoveryMethod> RecoveryMethodNamed(std::string_view name);
std::optional<Integrator> IntegratorNamed(std::string_view name);

bool IsStereo(RecoveryMethod method);

// Horn's start: a dome this share of the grid's width high in the middle. A flat start is a fixed
// point under a source on the view axis; the dome chooses the convex answer, and under an oblique
// source it ends nearer the truth than a flat start too (the vase at 45°: 0.051 against 0.070 in
// the mean depth error).
inline constexpr double kHornDomeRise = 0.1;

struct RecoveredShape {
  RecoveredNormals normals;  // the stereo's, or the heights' own
  HeightField heights;
  bool cancelled = false;  // stopped by the calling thread's PassControl: the rest is incomplete
  // The samples the robust stereo left out; none for the other methods.
  std::optional<int64_t> rejectedSamples;
  // The law fit's cells that two orientations fit as well (one flag a cell), and their count;
  // empty and none for the other methods.
  std::vector<char> ambiguous;
  std::optional<int64_t> ambiguousCells;
};

// Shape from shading needs one image at least, fast marching its source on the view axis;
// stereo, lights that pass CheckLights.
std::variant<RecoveredShape, LightsError> RecoverShape(const RecoveryImages& images,
                                                       const RenderState& law,
                                                       RecoveryMethod method,
                                                       Integrator integrator);
