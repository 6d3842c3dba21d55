#pragma once
// What is the same for every sample of a pass, taken once from the RenderState after the shade
// command has read its inputs: the view's constants (rotations, intersection form), the light's
// (cosine of the slant, squared length of the source vector, mirror margin), the isoline band
// bounds, the mirror constants and the speed shortcuts' values.
// Every value here is formed exactly as the per-sample formulas would form it, so shading with
// a PassConstants is bit-identical to recomputing it for each sample.
//
//   view_constants  light_source  speed_shortcuts
//            \            |            /
//             +---- pass_constants ---+

#include <array>

#include "model/render_state.h"
#include "photometry/additional_laws.h"
#include "photometry/light_source.h"
#include "photometry/speed_shortcuts.h"
#include "photometry/view_constants.h"

struct PassConstants : ViewConstants {
  LightConstants light;
  std::array<float, kIsoBandCount> bandLo{};  // isoLevel(k) - isoHalfWidth(k), rounded to float
  std::array<float, kIsoBandCount> bandHi{};  // isoLevel(k) + isoHalfWidth(k), rounded to float
  float selfShadowTop = 0.0F;    // isoHalfWidth(6): top of the self-shadow zone and of the fringe
  float fringeBottom = 0.0F;     // -isoHalfWidth(0): bottom of the shadow fringe
  float mirrorMissValue = 0.0F;  // isoHalfWidth(6) + 0.001: phi where the mirror condition fails
  SpeedShortcuts shortcuts;      // tests that skip formulas without changing a result
  LawConstants law;              // the additional law's per-pass values (reflectanceKind 5+)
  double exposure = 1.0;         // the state's exposure
  bool exposed = false;
  bool bandsAsLines = false;  // the state's bandsAsLines: no lift or tint for a band          //
                              // exposure is not 1: the grey tone is formed from exposure * phi
};

PassConstants MakePassConstants(const RenderState& state);

// The settings that paint the grey tone alone: the grey shader, no contour lines, and
// half-widths of -1, which cross every band's bounds (level + 1 above level - 1) and leave the
// self-shadow zone [0, -1] and the fringe [1, -1] empty. Every phi >= 0 is then painted in its
// grey tone and every phi < 0 (NaN and the mirror's misses, phi -0.999, among them) in deep
// shadow, which is black.
void SetPlainGrey(RenderState& state);
