#include "photometry/shaders.h"

#include <cmath>
#include <limits>

#include "photometry/additional_laws.h"
#include "photometry/pass_constants.h"
#include "photometry/reflectance.h"
#include "photometry/sample_colour.h"
#include "photometry/speed_shortcuts.h"
#include "photometry/sphere_geometry.h"

namespace {

// Where the two shaders part ways; everything else they share.
struct ShaderRules {
  IntersectionRule intersection;
  bool colourMirror;  // the five-condition mirror test with 0.03 and the slant margin
  IsolineStyle isolines;
};

constexpr ShaderRules kGreyRules{IntersectionRule::kPlain, false, IsolineStyle::kGreyLift};
constexpr ShaderRules kColourRules{IntersectionRule::kReplaceZAboveOne, true,
                                   IsolineStyle::kColourTint};

float MirrorSamplePhi(const Point3& surfacePoint, float cosI, const RenderState& state,
                      const PassConstants& pass, const ShaderRules& rules) {
  if (MirrorSurelyFails(surfacePoint, cosI, pass.shortcuts)) {
    return MirrorPhi(false, pass.mirrorMissValue);
  }
  const float angleI = IncidenceAngle(cosI);
  const double angleE = EmissionAngle(surfacePoint.z);
  const float angleG = state.sourceSlant;
  const bool holds = rules.colourMirror
                         ? ColourMirrorHolds(angleI, angleE, angleG, state.mirrorTolerance,
                                             pass.light.mirrorSlantMargin)
                         : GreyMirrorHolds(angleI, angleE, angleG, state.mirrorTolerance);
  return MirrorPhi(holds, pass.mirrorMissValue);
}

// phi of the selected function at a surface point. The angles, which need arctangents, are
// formed only for the mirror function.
float SamplePhi(const Point3& surfacePoint, const RenderState& state, const PassConstants& pass,
                const ShaderRules& rules) {
  const float cosI = IncidenceCos(surfacePoint, state, pass.light.sourceLengthSquared);
  switch (state.reflectanceKind) {
    case kMatte:
      return MattePhi(cosI);
    case kGlossy:
      return GlossyPhi(cosI, EmissionCos(surfacePoint.z), pass.light.cosSlant, state.glossS,
                       state.glossN);
    case kRocky:
      return RockyPhi(cosI, EmissionCos(surfacePoint.z));
    case kMirror:
      return MirrorSamplePhi(surfacePoint, cosI, state, pass, rules);
    case kMinnaert:
    case kLommelSeeliger:
    case kLunarLambert:
    case kOrenNayar:
    case kHapke:
    case kBlinnPhong:
    case kCookTorrance:
    case kFormula:
      return AdditionalLawPhi(cosI, EmissionCos(surfacePoint.z), pass.law);
    default:
      // A law registered beyond the kinds above is evaluated as they are.
      if (pass.law.phi != nullptr) {
        return AdditionalLawPhi(cosI, EmissionCos(surfacePoint.z), pass.law);
      }
      // No function is selected: no value to show, so the sample is painted as deep shadow.
      return std::numeric_limits<float>::quiet_NaN();
  }
}

const ShaderRules& RulesOfPass(const RenderState& state) {
  return state.showIsolines == 1 ? kColourRules : kGreyRules;
}

void ColourFunctionPhi(float functionPhi, RenderState& state, const PassConstants& pass,
                       const ShaderRules& rules) {
  const float phi = BoundAbove(functionPhi);
  ColourSample(phi, pass.exposed ? ExposedTone(functionPhi, pass.exposure) : phi, rules.isolines,
               pass, state);
}

void ColourPoint(const Point3& surfacePoint, RenderState& state, const PassConstants& pass,
                 const ShaderRules& rules) {
  ColourFunctionPhi(SamplePhi(surfacePoint, state, pass, rules), state, pass, rules);
}

void ShadePoint(const Point3& surfacePoint, RenderState& state, Picture& picture,
                const PassConstants& pass, const ShaderRules& rules) {
  ColourPoint(surfacePoint, state, pass, rules);
  if (state.subSample == 0) PaintSample(state, picture);
}

bool ColourOneSample(RenderState& state, const PassConstants& pass, const ShaderRules& rules) {
  Point3 surfacePoint;
  if (IsSurelyBackground(MakeLineOfSight(state.dx, state.dy, state.pixelScale, pass.lineDepth),
                         state.halfSphere, pass.shortcuts) ||
      !FindSurfacePoint(state, pass, rules.intersection, surfacePoint)) {
    AddBackgroundSample(state);
    return false;
  }
  ColourPoint(surfacePoint, state, pass, rules);
  return true;
}

void ShadeSample(RenderState& state, Picture& picture, const PassConstants& pass,
                 const ShaderRules& rules) {
  if (ColourOneSample(state, pass, rules) && state.subSample == 0) PaintSample(state, picture);
}

}  // namespace

void ShadeGreyPixel(RenderState& state, Picture& picture, const PassConstants& pass) {
  ShadeSample(state, picture, pass, kGreyRules);
}

void ShadeColourPixel(RenderState& state, Picture& picture, const PassConstants& pass) {
  ShadeSample(state, picture, pass, kColourRules);
}

bool ColourGreySample(RenderState& state, const PassConstants& pass) {
  return ColourOneSample(state, pass, kGreyRules);
}

bool ColourColourSample(RenderState& state, const PassConstants& pass) {
  return ColourOneSample(state, pass, kColourRules);
}

void ColourSurfacePoint(const Point3& surfacePoint, RenderState& state, const PassConstants& pass) {
  ColourPoint(surfacePoint, state, pass, RulesOfPass(state));
}

void ColourPhi(float functionPhi, RenderState& state, const PassConstants& pass) {
  ColourFunctionPhi(functionPhi, state, pass, RulesOfPass(state));
}

void ShadeGreyPixel(RenderState& state, Picture& picture) {
  ShadeGreyPixel(state, picture, MakePassConstants(state));
}

void ShadeColourPixel(RenderState& state, Picture& picture) {
  ShadeColourPixel(state, picture, MakePassConstants(state));
}

void ShadeSurfacePoint(const Point3& surfacePoint, RenderState& state, Picture& picture,
                       const PassConstants& pass) {
  ShadePoint(surfacePoint, state, picture, pass, RulesOfPass(state));
}

SampleReading ReadSurfacePoint(const Point3& surfacePoint, const RenderState& state,
                               const PassConstants& pass) {
  SampleReading reading;
  reading.surfacePoint = surfacePoint;
  reading.cosI = IncidenceCos(surfacePoint, state, pass.light.sourceLengthSquared);
  reading.cosE = EmissionCos(surfacePoint.z);
  reading.functionPhi = SamplePhi(surfacePoint, state, pass, RulesOfPass(state));
  reading.phi = BoundAbove(reading.functionPhi);
  reading.zone = ZoneOfPhi(reading.phi, pass);
  return reading;
}

std::optional<SampleReading> ReadSample(const RenderState& state, const PassConstants& pass) {
  Point3 surfacePoint;
  if (!FindSurfacePoint(state, pass, RulesOfPass(state).intersection, surfacePoint)) {
    return std::nullopt;
  }
  return ReadSurfacePoint(surfacePoint, state, pass);
}
