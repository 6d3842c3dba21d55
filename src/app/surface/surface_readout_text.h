#pragma once
// The readout of a surface's cell in words, in Russian and the user's number format, as the
// sphere's readout writes its numbers:
//
//   x = 12  y = 40  z = 3,210
//   p = 0,250; q = −0,100
//   1: i = 34,5°  e = 12,0°  g = 60,0°
//      ф = 0,824                       (one pair of lines for each source, by its number)
//   2: i = 95,0°  e = 12,0°  g = 30,0°
//      ф = 0,000, в тени рельефа       (a cell in that source's cast shadow)

#include <QLocale>
#include <QStringList>
#include <vector>

#include "figure/used_source.h"
#include "surface/surface_image.h"

// `sources` are those the readout was read for, in its order.
QStringList SurfaceReadoutLines(const SurfaceReadout& readout,
                                const std::vector<UsedSource>& sources, const QLocale& locale);
