#include "shading/shade_command.h"

#include <utility>

#include "shading/raster_pass.h"

ShadeOutcome RunShadeCommand(RenderState& state, Picture& picture, const ShadeInputs& inputs,
                             const NumberFormat& format, bool smoothing) {
  if (std::optional<InputError> error = ReadShadeParameters(state, inputs, format)) {
    return *std::move(error);
  }
  RunRasterPass(state, picture, smoothing);
  // The arrow looks at the rotation about Oy as typed, in degrees: the text is read again.
  const float rotYDegrees = ReadFloat(inputs.rotY, format).value;
  return DecideObserverArrow(state.rotX, rotYDegrees);
}
