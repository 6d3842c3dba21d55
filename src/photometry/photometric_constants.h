#pragma once
// Constants of the photometric model.

#include "model/angles.h"

inline constexpr float kHalfPi = static_cast<float>(kPi / 2.0);  // 1.5707951 as a 32-bit float
inline constexpr double kLineDepthInPixels = 10.0;  // lineStart lies 10 pixels in front of y = 0

inline constexpr double kMirrorMissOffset = 0.001;      // mirrorMissValue = isoHalfWidth(6) + this
inline constexpr double kGreyMirrorAngleMargin = 0.04;  // |i - e| bound of the grey mirror test
inline constexpr double kColourMirrorAngleMargin = 0.03;  // the same bound in the colour test
inline constexpr double kSlantMarginScale = 0.04;         // mirrorSlantMargin at a slant of 0
inline constexpr double kSlantMarginSlope = 1.98;  // how fast the margin falls with the slant
