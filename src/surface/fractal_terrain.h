#pragma once
// A fractal terrain by spectral synthesis: random phases under an amplitude that falls as
// |k|^-(H + 1) with the spatial frequency k (H the roughness exponent: 0 rough, 1 smooth), one
// inverse real FFT (FFTW), the heights then stretched to run from 0 to `relief`. The same seed
// gives the same terrain on every machine.

#include <cstdint>

#include "model/height_field.h"

HeightField FractalTerrain(int width, int height, double roughness, double relief, uint32_t seed);
