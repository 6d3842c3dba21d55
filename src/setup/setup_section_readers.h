#pragma once
// The readers of a setup file's sections, each from its key of the top level into its part of
// the Setup: the main window's (sphere, law, picture) and the other windows' (map, surface,
// windows, curves). A missing section or key keeps the part's start value.

#include <QDir>
#include <cstdint>

#include "setup/setup.h"
#include "setup/setup_sections.h"

void ReadSphere(SetupSection& root, SphereSetup& sphere);
// The law of function `kind`: its parameters by name and the typed formula, compiled to check it.
void ReadLaw(SetupSection& root, int32_t kind, LawSetup& law);
void ReadPicture(SetupSection& root, PictureSetup& picture);
void ReadMap(SetupSection& root, MapSetup& map);
// Relative paths of the surface's files are found in `folder`, the setup's own.
void ReadSurface(SetupSection& root, const QDir& folder, SurfaceSetup& surface);
void ReadWindows(SetupSection& root, WindowsSetup& windows);
// The curve windows' settings: the magnitude switch and the profile's picture and line.
void ReadCurves(SetupSection& root, const QDir& folder, CurvesSetup& curves);
