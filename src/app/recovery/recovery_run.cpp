#include "app/recovery/recovery_run.h"

#include <variant>

#include "recovery/recovery_memory.h"

RecoveryOutcome RunRecovery(const RecoveryRequest& request) {
  RecoveryOutcome outcome;
  outcome.law = request.law;
  if (request.photos != nullptr) {
    outcome.images = request.photos;
  } else if (request.scene != nullptr) {
    // Refused before the images are made: a large model's images alone are gigabytes.
    if (std::optional<Message> refusal =
            RecoveryMemoryRefusalSaid(request.method, request.integrator,
                                      request.scene->field.width, request.scene->field.height)) {
      outcome.Refuse(*std::move(refusal));
      return outcome;
    }
    outcome.truth = request.scene;
    outcome.images = std::make_shared<const RecoveryImages>(
        MakeRecoveryImages(request.law, *request.scene, request.sources, request.camera));
  } else {
    outcome.Refuse(Message{
        "RecoveryWindow",
        GS_TRANSLATE_NOOP("RecoveryWindow", "Нет снимков: откройте поверхность или папку снимков."),
        {},
        -1});
    return outcome;
  }
  std::variant<RecoveredShape, LightsError> shape =
      RecoverShape(*outcome.images, request.law, request.method, request.integrator);
  if (auto* error = std::get_if<LightsError>(&shape)) {
    outcome.Refuse(std::move(error->said));
    return outcome;
  }
  outcome.shape = std::move(std::get<RecoveredShape>(shape));
  if (outcome.shape.cancelled || outcome.truth == nullptr) return outcome;
  const HeightField& truth = outcome.truth->field;
  outcome.report = MeasureRecovery(truth, &outcome.shape.heights, &outcome.shape.normals);
  outcome.angleErrors = AngularErrors(truth, outcome.shape.normals);
  return outcome;
}
