#include "gradient/source_phi.h"

#include <cmath>

#include "model/angles.h"
#include "photometry/light_source.h"
#include "photometry/sample_colour.h"
#include "photometry/sphere_geometry.h"

namespace {

RenderState AimedState(const RenderState& lastPass, const LightAim& source) {
  RenderState state = lastPass;
  const float slant = SlantRadians(source);
  if (slant != lastPass.sourceSlant) {
    AimLightSource(state, slant);
    // The mirror's tolerance follows the slant, as the shade command chooses it.
    if (state.reflectanceKind == kMirror) state.mirrorTolerance = MirrorToleranceForSlant(slant);
  }
  return state;
}

}  // namespace

SourcePhiField::SourcePhiField(const RenderState& lastPass, const LightAim& source)
    : state_(AimedState(lastPass, source)),
      pass_(MakePassConstants(state_)),
      tilted_(source.tiltDegrees != 0.0) {
  const double tilt = RadiansInDouble(source.tiltDegrees);
  cosTilt_ = std::cos(tilt);
  sinTilt_ = std::sin(tilt);
}

Gradient SourcePhiField::Untilted(Gradient gradient) const {
  // Untilted, the gradient goes through as it is, so the described source reads as the map.
  if (!tilted_) return gradient;
  return {gradient.p * cosTilt_ + gradient.q * sinTilt_,
          gradient.q * cosTilt_ - gradient.p * sinTilt_};
}

SampleReading SourcePhiField::Read(Gradient gradient) const {
  return ReadSurfacePoint(GradientNormal(Untilted(gradient)), state_, pass_);
}

Rgb SourcePhiField::Colour(Gradient gradient, double albedo) const {
  const float functionPhi = Read(gradient).functionPhi;
  RenderState sample = state_;
  sample.subSample = 0;
  ColourPhi(albedo == 1.0 ? functionPhi : static_cast<float>(albedo * functionPhi), sample, pass_);
  return LimitSums(sample);
}

bool SourcePhiField::Lit(Gradient gradient) const {
  return IncidenceCos(GradientNormal(Untilted(gradient)), state_, pass_.light.sourceLengthSquared) >
         0.0F;
}

float SourcePhi(const RenderState& lastPass, const LightAim& source, Gradient gradient) {
  return SourcePhiField(lastPass, source).Read(gradient).phi;
}

std::vector<float> SourcePhisAtPixel(const RenderState& lastPass,
                                     const std::vector<LightAim>& sources, const GradientView& view,
                                     int width, int height, int x, int y) {
  const Gradient gradient = GradientAtPixel(view, width, height, x, y);
  std::vector<float> phis;
  phis.reserve(sources.size());
  for (const LightAim& source : sources) {
    phis.push_back(SourcePhiField(lastPass, source).FunctionPhi(gradient));
  }
  return phis;
}
