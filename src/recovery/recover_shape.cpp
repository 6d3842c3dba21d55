#include "recovery/recover_shape.h"

#include <algorithm>
#include <array>
#include <utility>

#include "pass/pass_control.h"
#include "recovery/normal_integration.h"
#include "recovery/photometric_stereo.h"
#include "recovery/recovery_memory.h"
#include "recovery/recovery_report.h"
#include "recovery/robust_stereo.h"
#include "recovery/shape_from_shading.h"

namespace {

bool Cancelled() {
  const PassControl* control = CurrentPassControl();
  return control != nullptr && control->Cancelled();
}

HeightField Integrate(const RecoveredNormals& normals, Integrator integrator) {
  switch (integrator) {
    case Integrator::kFrankotChellappa:
      return IntegrateFrankotChellappa(normals);
    case Integrator::kOnMask:
      return IntegrateOnMask(normals);
    case Integrator::kDctPoisson:
      break;
  }
  return IntegrateDctPoisson(normals);
}

template <typename Value, size_t count>
std::optional<Value> Named(const std::array<std::pair<std::string_view, Value>, count>& names,
                           std::string_view name) {
  for (const auto& [text, value] : names) {
    if (text == name) return value;
  }
  return std::nullopt;
}

}  // namespace

std::optional<RecoveryMethod> RecoveryMethodNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, RecoveryMethod>, 6> kNames{{
      {"ps", RecoveryMethod::kWoodhamStereo},
      {"ps-law", RecoveryMethod::kLawStereo},
      {"sfs-tsai-shah", RecoveryMethod::kTsaiShah},
      {"sfs-horn", RecoveryMethod::kHorn},
      {"ps-robust", RecoveryMethod::kRobustStereo},
      {"sfs-fmm", RecoveryMethod::kFastMarching},
  }};
  return Named(kNames, name);
}

std::optional<Integrator> IntegratorNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Integrator>, 3> kNames{{
      {"fc", Integrator::kFrankotChellappa},
      {"dct", Integrator::kDctPoisson},
      {"poisson", Integrator::kOnMask},
  }};
  return Named(kNames, name);
}

bool IsStereo(RecoveryMethod method) {
  return method == RecoveryMethod::kWoodhamStereo || method == RecoveryMethod::kLawStereo ||
         method == RecoveryMethod::kRobustStereo;
}

std::variant<RecoveredShape, LightsError> RecoverShape(const RecoveryImages& images,
                                                       const RenderState& law,
                                                       RecoveryMethod method,
                                                       Integrator integrator) {
  if (std::optional<Message> refusal =
          RecoveryMemoryRefusalSaid(method, integrator, images.width, images.height)) {
    std::string message = RussianText(*refusal);
    return LightsError{LightsFault::kTooLarge, std::move(message), *std::move(refusal), {}};
  }
  RecoveredShape shape;
  if (method == RecoveryMethod::kRobustStereo) {
    std::variant<RobustNormals, LightsError> solved = RobustStereo(images);
    if (auto* error = std::get_if<LightsError>(&solved)) return std::move(*error);
    RobustNormals& robust = std::get<RobustNormals>(solved);
    shape.normals = std::move(robust.normals);
    shape.rejectedSamples = robust.rejectedSamples;
    shape.cancelled = Cancelled();
    if (!shape.cancelled) shape.heights = Integrate(shape.normals, integrator);
    return shape;
  }
  if (IsStereo(method)) {
    const bool fitsLaw = method == RecoveryMethod::kLawStereo;
    std::variant<RecoveredNormals, LightsError> solved =
        fitsLaw ? LawStereo(images, law, kLawStereoIterations, &shape.ambiguous)
                : WoodhamStereo(images);
    if (auto* error = std::get_if<LightsError>(&solved)) return std::move(*error);
    if (fitsLaw)
      shape.ambiguousCells = std::count(shape.ambiguous.begin(), shape.ambiguous.end(), 1);
    shape.normals = std::move(std::get<RecoveredNormals>(solved));
    shape.cancelled = Cancelled();
    if (!shape.cancelled) shape.heights = Integrate(shape.normals, integrator);
    return shape;
  }
  if (images.intensity.empty() || images.sources.empty()) {
    Message said =
        CoreMessageOf(GS_TRANSLATE_NOOP("CoreMessages", "Нет снимка для восстановления."));
    std::string message = RussianText(said);
    return LightsError{LightsFault::kTooFew, std::move(message), std::move(said), {}};
  }
  if (method == RecoveryMethod::kFastMarching && !SourceOnAxis(images, law)) {
    Message said = CoreMessageOf(GS_TRANSLATE_NOOP(
        "CoreMessages",
        "Быстрый марш восстанавливает форму по затенению только под источником на оси "
        "наблюдения (наклон 0°)."));
    std::string message = RussianText(said);
    return LightsError{LightsFault::kOblique, std::move(message), std::move(said), {}};
  }
  SfsResult result;
  if (method == RecoveryMethod::kFastMarching) {
    result = FastMarchingSfs(images, law);
  } else if (method == RecoveryMethod::kHorn) {
    SfsOptions options;
    options.start =
        Dome(images.width, images.height, kHornDomeRise * images.width * images.spacingX);
    result = HornSfs(images, law, options);
  } else {
    result = TsaiShahSfs(images, law);
  }
  shape.cancelled = result.cancelled;
  shape.heights = std::move(result.heights);
  if (!shape.cancelled) shape.normals = NormalsOfHeights(shape.heights);
  return shape;
}
