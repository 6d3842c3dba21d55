#pragma once
// Fonts of the window. The layout names two Windows families that a Linux desktop lacks; both are
// mapped to an installed family with full Cyrillic coverage. Sizes are given in points at 96 dots
// per inch and turned into pixels, so a caption keeps its size against the layout, which is fixed
// in pixels (15 twips each) whatever the screen's DPI setting.

#include <QFont>

inline constexpr const char* kWindowFontFamily = "MS Sans Serif";
inline constexpr const char* kLegendFontFamily = "Tahoma";
// The window's own default font. The substitute is a little wider than the family it stands for,
// so the default is half a point smaller; every caption fits its control with it.
inline constexpr double kWindowFontPoints = 7.5;

// Maps the layout's families to the installed substitute. Safe to call more than once.
void InstallFontSubstitutes();

// A font of the layout: family and size in points.
QFont LayoutFont(const char* family, double points);

// Points at 96 dots per inch in whole pixels (8.25 pt -> 11 px, 12 pt -> 16 px).
int PointsToPixels(double points);
