#pragma once
// One recovery from start to end, as the window and the renderer run it: photometric stereo
// (Woodham's, or the fit to the known law) whose gradients are then integrated, or shape from
// shading from the first image under its source (Tsai and Shah's from a flat start, Horn's from a
// low dome, which chooses the convex answer where one image cannot tell). The normals shown and
// measured are the stereo's own, or those of the heights shape from shading found.
//
//   images + law + method (+ integrator) -> normals and heights, or the lights' message

#include <optional>
#include <string_view>
#include <variant>

#include "model/height_field.h"
#include "model/render_state.h"
#include "recovery/light_check.h"
#include "recovery/recovered_normals.h"
#include "recovery/recovery_images.h"

enum class RecoveryMethod { kWoodhamStereo, kLawStereo, kTsaiShah, kHorn };
enum class Integrator { kFrankotChellappa, kDctPoisson, kOnMask };

// The renderer's names: ps, ps-law, sfs-tsai-shah, sfs-horn; fc, dct, poisson.
std::optional<RecoveryMethod> RecoveryMethodNamed(std::string_view name);
std::optional<Integrator> IntegratorNamed(std::string_view name);

bool IsStereo(RecoveryMethod method);

struct RecoveredShape {
  RecoveredNormals normals;  // the stereo's, or the heights' own
  HeightField heights;
  bool cancelled = false;  // stopped by the calling thread's PassControl: the rest is incomplete
};

// Shape from shading needs one image at least; stereo, lights that pass CheckLights.
std::variant<RecoveredShape, LightsError> RecoverShape(const RecoveryImages& images,
                                                       const RenderState& law,
                                                       RecoveryMethod method,
                                                       Integrator integrator);
