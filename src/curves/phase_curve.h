#pragma once
// The disc-integrated phase curve: the brightness of the whole sphere as the observer on +z sees
// it, against the phase angle g, for the state's function and parameters. At each g the source
// lies at (0, sin g, cos g); phi(i, e, g) is summed over the visible, lit disc (cos e > 0,
// cos i > 0) on a fine grid of the projected disc, in 64-bit, and the sums are normalised to 1 at
// g = 0. The phase integral q = 2 * integral from 0 to pi of Phi(g) sin g dg follows by the
// trapezoid rule.
//
//   state -> for each g: LawConstants at g -> sum of phi over the disc grid -> Phi(g) / Phi(0)

#include <optional>
#include <string>
#include <vector>

#include "model/render_state.h"

struct PhaseCurve {
  std::vector<double> degrees;     // g, from 0 to 180 (or to the range's end)
  std::vector<double> brightness;  // Phi(g), 1 at g = 0
  double phaseIntegral = 0.0;      // NaN for a curve that stops short of 180 degrees
};

inline constexpr int kPhaseGridSide = 600;  // cells across the disc's diameter

// The curve in steps of `stepDegrees` (0.1 to 30) from 0 to `lastDegrees` (1 to 180: below 180 a
// close look at the opposition surge, with no phase integral, NaN); nothing for the mirror, whose
// brightness is a point, for a range or step beyond those, and for a function that is 0 (or not
// finite) over the whole disc at g = 0. The g values run on the pass pool; a cancelled job
// (pass_control.h) returns nothing.
std::optional<PhaseCurve> ComputePhaseCurve(const RenderState& lastPass, double stepDegrees,
                                            int gridSide = kPhaseGridSide,
                                            double lastDegrees = 180.0);

// The closed forms, g in radians: the Lambert sphere, (sin g + (pi - g) cos g) / pi, and the
// Lommel-Seeliger sphere, 1 - sin(g/2) tan(g/2) ln(cot(g/4)); both 1 at 0 and 0 at pi.
double LambertSpherePhase(double g);
double LommelSeeligerSpherePhase(double g);

// "g,brightness", then a row for each g (degrees, then Phi), numbers as the readout writes them
// (6 decimals for the brightness).
std::string PhaseCurveCsv(const PhaseCurve& curve);

// 2 * integral of Phi(g) sin g dg over the samples (g in degrees), by the trapezoid rule.
double PhaseIntegral(const std::vector<double>& degrees, const std::vector<double>& brightness);
