#include "shading/shade_pass.h"

#include <utility>

#include "shading/raster_pass.h"

ShadeOutcome RunShadeCommand(RenderState& state, Picture& picture, const ShadeInputs& inputs,
                             const NumberFormat& format, int smoothingState) {
  if (std::optional<InputError> error = ReadShadeParameters(state, inputs, format)) {
    return *std::move(error);
  }
  RunRasterPass(state, picture, smoothingState);
  // Text2 read before the pass, so it reads again.
  const float text2Value = ReadFloat(inputs.rotY, format).value;
  return DecideObserverArrow(state.rotX, text2Value);
}
