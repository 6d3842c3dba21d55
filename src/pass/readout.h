#pragma once
// The readout under the pointer: what the last pass shows at one picture pixel, by the same
// geometry and reflectance code as the pass, for the sample at the pixel's centre (the offsets
// of a pass without smoothing). It reads a copy of the last pass's RenderState and changes
// nothing.
//
//   pixel (x, y), top-left origin -> sample offsets -> ReadSample / ReadSurfacePoint -> Readout

#include <optional>
#include <string>
#include <vector>

#include "model/render_state.h"
#include "photometry/gradient_space.h"
#include "photometry/shaders.h"

struct Readout {
  // The geometric angles in degrees, 0 to 180: the arccosines of the pass's cosI and cosE. (The
  // pass itself keeps negative angles for normals turned away; the readout shows the true angle.)
  double angleI = 0.0;
  double angleE = 0.0;
  // The phase angle in degrees, 0 to 180: the angle between the source's direction
  // (0, sin slant, cos slant) and the observer's (0, 0, 1), whatever the slant typed.
  double angleG = 0.0;
  SampleReading reading;
  std::optional<Gradient> gradient;  // set for a pixel of the gradient-space map
};

// The readout of sphere picture pixel (x, y) of a width x height picture; nothing over the
// background or outside the picture.
std::optional<Readout> ReadoutAtPixel(const RenderState& lastPass, int width, int height, int x,
                                      int y);

// The state of the sample at the centre of picture pixel (x, y), as the walk of a pass without
// smoothing forms it from the last pass's state; nothing outside the picture.
std::optional<RenderState> SampleAtPixel(const RenderState& lastPass, int width, int height, int x,
                                         int y);

// The readout of a sample's reading: its angles in degrees, the phase angle of the state's slant.
Readout MakeReadout(const RenderState& state, const SampleReading& reading);

// Whether the colouring used another value than the function's own: above the upper bound.
bool PaintedPhiDiffers(const SampleReading& reading);

// One line in the C locale, for scripts: "i=34.5 e=12.0 g=0.0 phi=0.824 painted=0.824
// zone=band:1 point=0.123,-0.456,0.789" (with " p=... q=..." for the map), or "background".
// phi is the function's own value, painted the value the colouring used. A value that is not
// finite reads "inf", "-inf" or "nan"; one of a million or more is written as "1.000e+06".
std::string FormatReadoutLine(const std::optional<Readout>& readout);

// A number of a readout line: fixed-point with `decimals` digits, "0.000" rather than "-0.000";
// "inf", "-inf" or "nan" where not finite, and "1.000e+06" from a million on.
std::string ReadoutNumber(double value, int decimals);

// The extra sources' phi (the function's own) for the end of a map's readout line, in the same
// form: " phi2=0.824 phi3=0.500" for two, nothing for none.
std::string FormatSourcePhis(const std::vector<float>& phis);

// The zone as the line names it: "band:K" (K the legend row from the top), "self-shadow",
// "fringe", "deep-shadow" or "tone".
std::string ZoneName(const PhiZone& zone);
