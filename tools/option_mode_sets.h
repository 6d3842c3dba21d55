#pragma once
// The sets of (mode, scene) pairs the option tables name, for options that share them.

#include "render_mode.h"

namespace option_modes {

using enum Mode;
using enum Scene;

inline constexpr ModeSet kEverything =
    In({kListSurfaces, kBallLights, kRecovery, kSweep, kComparedPhaseCurves, kComparedProfiles,
        kPhaseCurve, kProfile, kCompare, kReadout, kSetupOnly, kPicture},
       {kSphere, kMap, kSurface, kPhotos});
// Every run but the catalogue's and the ball's lights.
inline constexpr ModeSet kEveryRun =
    kEverything & ~In({kListSurfaces, kBallLights}, {kSphere, kMap, kSurface, kPhotos});
inline constexpr ModeSet kCurves =
    In({kPhaseCurve, kProfile, kComparedPhaseCurves, kComparedProfiles}, {kSphere, kMap, kSurface});
// The observer's turn: the sphere's pictures (and what is saved in a setup); the map and a
// surface's image are seen from +z and warn.
inline constexpr ModeSet kTurned =
    In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kSweep}, {kSphere}) |
    In({kSetupOnly}, {kSphere, kMap, kSurface});
inline constexpr ModeSet kSeenFromZ =
    In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kSweep}, {kMap}) |
    In({kPicture, kReadout, kProfile, kRecovery, kSweep}, {kSurface});
// The law (--function, --param, --formula): replaced by each entry of --compare.
inline constexpr ModeSet kLaw =
    In({kPicture, kReadout, kProfile, kSweep, kPhaseCurve, kSetupOnly}, {kSphere, kMap, kSurface}) |
    In({kRecovery}, {kSurface, kPhotos});
inline constexpr ModeSet kSlant =
    In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kSweep, kRecovery, kSetupOnly},
       {kSphere, kMap, kSurface});
// What the picture's colours are made of (not the readout's phi).
inline constexpr ModeSet kColours =
    In({kPicture, kCompare, kSweep, kSetupOnly}, {kSphere, kMap, kSurface});
// The legend's bands: painted, and named by the readout's zone.
inline constexpr ModeSet kBands = kColours | In({kReadout}, {kSphere, kMap, kSurface});
// The picture's size: the surface's grid sets its own.
inline constexpr ModeSet kSized =
    In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kSweep}, {kSphere, kMap}) |
    kCurves;
// The scale: also the page of a surface's SVG or PDF image (its raster image refuses it).
inline constexpr ModeSet kScaled = kSized | In({kPicture}, {kSurface});
// Lines drawn over the picture (the sphere's or the map's), and the plots' lines.
inline constexpr ModeSet kDrawnOver = In({kPicture, kSweep, kSetupOnly}, {kSphere, kMap});
inline constexpr ModeSet kMapFigure = In({kPicture, kSweep}, {kMap});
inline constexpr ModeSet kSurfaceJob =
    In({kPicture, kReadout, kProfile, kRecovery, kSweep, kSetupOnly}, {kSurface});
inline constexpr ModeSet kRecovered = In({kRecovery}, {kSurface, kPhotos});
inline constexpr ModeSet kPictureFile =
    In({kPicture, kReadout, kProfile, kCompare, kComparedProfiles, kComparedPhaseCurves,
        kPhaseCurve, kSweep},
       {kSphere, kMap, kSurface});

}  // namespace option_modes
