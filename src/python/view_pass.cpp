#include "view_pass.h"

#include <optional>
#include <variant>

#include "gradient/gradient_map.h"
#include "gradient/gradient_readout.h"
#include "intake/number_text.h"
#include "interruptible.h"
#include "module_error.h"
#include "pass/exposure.h"
#include "pass/shade_command.h"

void ThrowInputError(const InputError& error) {
  if (error.said.source[0] != '\0') ThrowMessage(error.said);
  throw ModuleError(error.message);
}

ViewPass RunViewPass(const ViewOptions& view, bool gradientSpace) {
  ViewPass pass{ViewState(view), ImageBuffer(view.width, view.height, ImageBuffer::Unpainted{})};
  std::optional<InputError> failed;
  RunInterruptibly([&] {
    RenderState& state = pass.state;
    if (gradientSpace) {
      ShadeIntakeOutcome intake = ReadShadeParameters(state, view.inputs, CNumberFormat());
      if (auto* error = std::get_if<InputError>(&intake)) {
        failed = std::move(*error);
        return;
      }
      if (view.autoExposure) {
        state.exposure = AutoExposure(view.width, view.height, [&](int x, int y) {
          return GradientReadoutAtPixel(state, view.width, view.height, x, y, view.scale);
        });
      }
      RunGradientMapPass(state, pass.picture, view.smooth, view.scale);
      return;
    }
    ShadeOutcome outcome =
        RunShadeCommand(state, pass.picture, view.inputs, CNumberFormat(), view.smooth);
    if (auto* error = std::get_if<InputError>(&outcome)) {
      failed = std::move(*error);
      return;
    }
    if (view.autoExposure) {
      // The brightest phi is known once the texts are read: the press is repeated at its exposure.
      state.exposure = SphereAutoExposure(state, view.width, view.height);
      RunShadeCommand(state, pass.picture, view.inputs, CNumberFormat(), view.smooth);
    }
  });
  if (failed) ThrowInputError(*failed);
  return pass;
}
