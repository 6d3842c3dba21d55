#pragma once
// The readout under the pointer in words: the lines a readout box shows for one Readout, in
// Russian and the user's number format. The sphere picture and the gradient-space map show the
// same lines; the map adds one for p and q.
//
//   i = 34,5°   e = 12,0°   g = 0,0°
//   ф = 0,824                   (ф = 1,180 (на рисунке 1,000) where the colouring bounded it)
//   изолиния 0,8 ± 0,005        (or the shadow zone's name, or «тон»)
//   точка (0,123; −0,456; 0,789)
//   p = 0,250; q = −0,100       (only with a gradient)

#include <QLocale>
#include <QStringList>
#include <vector>

#include "model/render_state.h"
#include "pass/readout.h"

// `lastPass` is the state the readout was read from: it gives the level and half-width of the
// isoline band the zone names.
QStringList ReadoutLines(const Readout& readout, const RenderState& lastPass,
                         const QLocale& locale);

// The line of the map's extra light sources, "ф₂ = 0,512   ф₃ = 0,300": each phi with its
// source's number.
QString ExtraSourcesPhiLine(const std::vector<int>& numbers, const std::vector<float>& phis,
                            const QLocale& locale);

// The pieces of those lines, for other readouts to write the same way.
// Fixed-point text; a value that rounds to zero is written without a sign. A value that is not
// finite reads as the mathematics says: «+∞», «−∞», «не определено». From a million on, the
// scientific form ("1,000E+30" in Russian), so that no line of a box grows without bound.
QString ReadoutFixed(const QLocale& locale, double value, int decimals);
// An angle in degrees, one decimal: «34,5°».
QString ReadoutDegrees(const QLocale& locale, double value);
// ф as the function gives it; where the colouring used another value (the upper bound), that
// one too: «ф = 1,180 (на рисунке 1,000)».
QString ReadoutPhiText(const SampleReading& reading, const QLocale& locale);
// Where the decimal separator is a comma, coordinates are parted by semicolons: "; ", else ", ".
QString ReadoutListSeparator(const QLocale& locale);
