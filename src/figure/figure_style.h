#pragma once
// The colours and sizes of the map's figure. Sizes are logical pixels: device pixels at scale 1,
// multiplied by the picture's scale.

#include <QColor>
#include <array>

#include "figure/used_source.h"
#include "gradient/light_sources.h"

// Source 1 (the described one) yellow, 2 cyan, 3 magenta, then lime, orange, sky blue, violet
// and pink: apart from each other, the grey tones, the isoline tints and the axes.
inline constexpr std::array<QColor, kMaxLightSources> kSourceColours{{
    QColor(255, 215, 0),
    QColor(0, 230, 230),
    QColor(255, 80, 255),
    QColor(120, 255, 60),
    QColor(255, 140, 30),
    QColor(90, 150, 255),
    QColor(180, 110, 255),
    QColor(255, 120, 160),
}};
inline constexpr QColor kCrossingColour(255, 255, 255);
inline constexpr QColor kSharedCrossingColour(255, 40, 40);
inline constexpr QColor kMarkOutlineColour(0, 0, 0);
inline constexpr QColor kLitHatchColour(235, 235, 235);
inline constexpr QColor kAxisColour(20, 40, 90);

inline constexpr double kSourceMarkRadius = 5.0;
inline constexpr double kCrossingMarkRadius = 4.0;
inline constexpr double kSharedCrossingMarkRadius = 7.0;
inline constexpr double kRingPen = 1.5;
inline constexpr double kOutlinePen = kRingPen + 3.0;  // 1.5 pixels of outline either side
inline constexpr double kSourceDotRadius = 1.0;        // the dot at a source's point
inline constexpr double kShadowLinePen = 1.0;
inline constexpr double kDashOn = 6.0;  // along a shadow line
inline constexpr double kDashOff = 4.0;
inline constexpr double kIsophotePen = 1.0;
inline constexpr double kLitHatchSpacing = 4.0;  // between two lines of the hatch, along a row
// The hatch's diagonal lines cover one logical pixel of each row: a quarter of the map.
inline constexpr double kLitHatchPen = 0.70710678;

// A source keeps its number's colour whichever others are used.
inline QColor SourceColour(const UsedSource& source) {
  return kSourceColours.at(SourceIndex(source));
}
