#include "photometry/reflectance.h"

#include <cmath>

#include "photometry/photometric_constants.h"

namespace {

constexpr double kLobeWeightDivisor = 2.0;  // the lobe is weighted by (n + 1) s / 2

// Stores a left-hand side of the mirror test as a float before it is compared.
float Stored(double value) { return static_cast<float>(value); }

}  // namespace

double GlossyMirrorCos(float cosI, float cosE, double cosG) { return 2.0 * cosI * cosE - cosG; }

float GlossyPhi(float cosI, float cosE, double cosG, double glossS, double glossN) {
  const double t = GlossyMirrorCos(cosI, cosE, cosG);
  const double diffuse = (1.0 - glossS) * cosI;
  if (t < 0.0) return static_cast<float>(diffuse);
  const double lobe = std::pow(t, glossN) * ((glossN + 1.0) * glossS / kLobeWeightDivisor);
  return static_cast<float>(lobe + diffuse);
}

bool GreyMirrorHolds(float angleI, double angleE, float angleG, float tolerance) {
  const double sum = angleI + angleE;
  return Stored(sum - tolerance) < angleG && Stored(sum + tolerance) > angleG &&
         Stored(angleE - kGreyMirrorAngleMargin) < angleI &&
         Stored(angleE + kGreyMirrorAngleMargin) > angleI;
}

bool ColourMirrorHolds(float angleI, double angleE, float angleG, float tolerance,
                       double slantMargin) {
  const double sum = angleI + angleE;
  return Stored(sum - tolerance) < angleG && Stored(sum + tolerance) > angleG &&
         Stored(sum - slantMargin) < angleG && Stored(angleE - kColourMirrorAngleMargin) < angleI &&
         Stored(angleE + kColourMirrorAngleMargin) > angleI;
}
