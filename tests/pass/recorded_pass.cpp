#include "recorded_pass.h"

#include "model/startup_values.h"

std::string PassSetup::Describe() const {
  return "rot " + inputs.rotX + "/" + inputs.rotY + "/" + inputs.rotZ + ", slant " + inputs.slant +
         ", s " + inputs.glossS + ", n " + inputs.glossN + ", function " +
         std::to_string(reflectanceKind) + (showIsolines ? ", colour" : ", grey") +
         (halfSphere ? ", half" : ", whole") + (smoothing ? ", smoothing" : ", single samples") +
         ", " + std::to_string(width) + "x" + std::to_string(height);
}

PassResult RunPass(const PassSetup& setup, const RenderState& initial) {
  PassResult result{initial, RecordedPicture(setup.width, setup.height), ShadePass{}};
  result.state.reflectanceKind = setup.reflectanceKind;
  result.state.showIsolines = setup.showIsolines;
  result.state.halfSphere = setup.halfSphere;
  result.outcome =
      RunShadeCommand(result.state, result.picture, setup.inputs, CNumberFormat(), setup.smoothing);
  return result;
}

PassResult RunPass(const PassSetup& setup) {
  RenderState state;
  ApplyStartupValues(state);
  return RunPass(setup, state);
}

double OffsetX(const RecordedPicture& picture, int x) { return x - picture.Width() / 2.0; }

double OffsetY(const RecordedPicture& picture, int y) {
  const int py = picture.Height() - y;
  return py - picture.Height() / 2.0;
}
