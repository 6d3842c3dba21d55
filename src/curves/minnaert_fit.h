#pragma once
// Minnaert's k read from limb darkening: for a surface that follows Minnaert's law,
// phi mu = B0 (mu0 mu)^k, so along a profile lg(mu phi) against lg(mu0 mu) is a straight line of
// slope k. The line is fitted by least squares over the samples of a profile that are lit and seen
// (mu0 and mu above kMinnaertLeastCos, phi above 0); for another law the slope is the k that
// mimics it best there.
//
//   profile samples (i, e, phi) -> (lg(mu0 mu), lg(mu phi)) -> straight line -> k, B0

#include <optional>
#include <vector>

#include "curves/profile.h"

// Samples closer to the terminator or the limb carry more rounding than light.
inline constexpr double kMinnaertLeastCos = 0.02;

struct MinnaertFit {
  double k = 0.0;
  double b0 = 0.0;            // phi mu where mu0 mu = 1
  double kUncertainty = 0.0;  // the slope's standard error from the scatter about the line
  int points = 0;
};

// Nothing with fewer than three usable samples, or with all of them at one mu0 mu.
std::optional<MinnaertFit> FitMinnaert(const std::vector<ProfileSample>& samples);
