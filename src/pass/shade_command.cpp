#include "pass/shade_command.h"

#include <utility>

#include "pass/raster_pass.h"

ShadeOutcome RunShadeCommand(RenderState& state, Picture& picture, const ShadeInputs& inputs,
                             const NumberFormat& format, bool smoothing) {
  ShadeIntakeOutcome intake = ReadShadeParameters(state, inputs, format);
  if (auto* error = std::get_if<InputError>(&intake)) return std::move(*error);
  ShadeIntake& read = std::get<ShadeIntake>(intake);
  RunRasterPass(state, picture, smoothing);
  return ShadePass{DecideObserverArrow(state.rotX, read.rotYDegrees),
                   std::move(read.keptGlossFields)};
}
