// The renderer's flags: each with the switch it sets and the (mode, scene) pairs it applies to.
#include "option_mode_sets.h"
#include "render_option_table.h"

namespace {

using namespace option_modes;

template <bool RenderJob::*Field>
bool& JobFlag(RenderJob& job) {
  return job.*Field;
}

bool& CastShadowsFlag(RenderJob& job) {
  if (!job.surface) job.surface.emplace();
  return job.surface->castShadows;
}

template <bool OverlayChoice::*Field>
bool& OverlayFlag(RenderJob& job) {
  return job.overlay.*Field;
}

const FlagOption kFlagOptions[] = {
    {"grey", "Grey tones instead of colour isolines.", JobFlag<&RenderJob::colourIsolines>, false,
     kColours},
    {"plain",
     "The grey tone alone, the way to a plain grey image: no isoline bands, no self-shadow or "
     "fringe zones, no contour lines, whatever the legend; phi < 0 is black.",
     JobFlag<&RenderJob::plain>, true, In({kPicture, kCompare, kSweep}, {kSphere, kMap, kSurface})},
    {"whole-sphere", "The whole sphere instead of its half.", JobFlag<&RenderJob::halfSphere>,
     false, kTurned, kSeenFromZ},
    {"smooth", "2x2 sub-pixel smoothing.", JobFlag<&RenderJob::smooth>, true,
     In({kPicture, kCompare, kSweep}, {kSphere, kMap}) |
         In({kSetupOnly}, {kSphere, kMap, kSurface})},
    {"gradient-space",
     "Paint the reflectance map R(p,q) in gradient space instead of the sphere: 50 pixels a unit "
     "(times --scale), "
     "p to the right, q upwards, the origin at the centre, with axes, their numbered ticks, the "
     "letters p and q and the conventions N = (-p, -q, 1). It is seen from +z, so "
     "--rot-x, --rot-y, --rot-z and --whole-sphere are ignored (with a warning).",
     JobFlag<&RenderJob::gradientSpace>, true,
     In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kSweep, kSetupOnly}, {kMap})},
    {"lit-by-all",
     "With --gradient-space: hatch the orientations every source lights (all cos i > 0).",
     JobFlag<&RenderJob::litByAll>, true, kMapFigure | In({kSetupOnly}, {kMap})},
    {"marks",
     "With --gradient-space: mark the source's point S (a ring and its label) and its dashed "
     "shadow line cos i = 0 "
     "(drawn also with --light, --through or --lit-by-all).",
     JobFlag<&RenderJob::marks>, true, kMapFigure},
    {"cast-shadows",
     "With --surface: paint the cells whose ray towards the source meets the terrain as deep "
     "shadow.",
     CastShadowsFlag, true, In({kPicture, kReadout, kSweep, kSetupOnly}, {kSurface})},
    {"list-surfaces", "Print the catalogue of surfaces with their parameters, and nothing else.",
     JobFlag<&RenderJob::listSurfaces>, true,
     In({kListSurfaces}, {kSphere, kMap, kSurface, kPhotos})},
    {"phase-curve",
     "Write the function's disc-integrated phase curve instead of the picture: the brightness of "
     "the whole sphere seen from +z against the phase angle g, 0 to 180 degrees, normalised to 1 "
     "at g = 0, in 64-bit on a fine grid of the disc; -o FILE.csv (columns g and brightness) or "
     ".png / .svg, a plot beside the Lambert and Lommel-Seeliger spheres' closed forms, with the "
     "phase integral q.",
     JobFlag<&RenderJob::phaseCurve>, true, In({kPhaseCurve, kComparedPhaseCurves}, {kSphere})},
    {"albedos",
     "With --phase-curve: also print the law's absolute photometry on standard output, "
     "geometric_albedo=p phase_integral=q spherical_albedo=A (A = p q, q by Gauss-Legendre "
     "quadrature), the law on its physical scale (--law-albedo).",
     JobFlag<&RenderJob::albedos>, true, In({kPhaseCurve}, {kSphere})},
    {"contour-lines",
     "Draw the seven levels as contour lines in their legend colours over the grey tone, "
     "instead of tinted bands (the sphere or the map).",
     OverlayFlag<&OverlayChoice::contourLines>, true, kDrawnOver},
    {"outline", "Outline the sphere's disc, black or, on a black background, white.",
     OverlayFlag<&OverlayChoice::outline>, true, In({kPicture, kSweep, kSetupOnly}, {kSphere})},
    {"legend",
     "Draw beside the picture, at its right and not over it, the legend of the seven levels: each "
     "level's colour, its value and its half-width, as the window's legend shows them; with "
     "--grey, --contour-lines or --plain also the grey tone's bar, numbered in phi (under the "
     "--exposure). The picture grows by the legend's width.",
     JobFlag<&RenderJob::legend>, true, In({kPicture}, {kSphere, kMap, kSurface})},
    {"source-mark",
     "Mark with a sun where the direction to the light source meets the sphere, when the view "
     "shows that point.",
     OverlayFlag<&OverlayChoice::sourceMark>, true, In({kPicture, kSweep, kSetupOnly}, {kSphere})},
};

}  // namespace

std::span<const FlagOption> FlagOptions() { return kFlagOptions; }
