#include <cmath>
#include <numbers>

#include "recovery/fftw_support.h"
#include "recovery/index_gradients.h"
#include "recovery/normal_integration.h"

namespace {

// Both slopes side by side, transformed by one plan into two half spectra; the inverse reads the
// first spectrum into the heights. The plans are measured, as the DCT's: the first recovery of a
// size takes a few hundred milliseconds longer (FFTW remembers the answer for the process), and
// every later transform a quarter less.
struct FourierWorkspace {
  FourierWorkspace(int w, int h)
      : width(w),
        height(h),
        halfWidth(w / 2 + 1),
        cells(static_cast<size_t>(w) * static_cast<size_t>(h)),
        spectrumCells(static_cast<size_t>(h) * static_cast<size_t>(halfWidth)),
        slopes(2 * cells),
        spectra(2 * spectrumCells),
        z(cells),
        forward([this] {
          const int sides[2] = {height, width};
          return fftw_plan_many_dft_r2c(2, sides, 2, slopes.Data(), nullptr, 1,
                                        static_cast<int>(cells), spectra.Data(), nullptr, 1,
                                        static_cast<int>(spectrumCells), FFTW_MEASURE);
        }),
        inverse([this] {
          return fftw_plan_dft_c2r_2d(height, width, spectra.Data(), z.Data(), FFTW_MEASURE);
        }) {}

  int width;
  int height;
  int halfWidth;
  size_t cells;
  size_t spectrumCells;
  FftwArray<double> slopes;
  FftwArray<fftw_complex> spectra;
  FftwArray<double> z;
  FftwPlan forward;
  FftwPlan inverse;
};

}  // namespace

HeightField IntegrateFrankotChellappa(const RecoveredNormals& normals) {
  const int width = normals.width;
  const int height = normals.height;
  FourierWorkspace& work = ThreadWorkspace<FourierWorkspace>(width, height);
  WriteIndexSlopes(normals, work.slopes.Data(), work.slopes.Data() + work.cells);
  work.forward.Execute();
  // Z = -j (wu Gx + wv Gy) / (wu^2 + wv^2), scaled for FFTW's unnormalised inverse; written over
  // the first spectrum.
  const double scale = 1.0 / static_cast<double>(work.cells);
  const double turn = 2.0 * std::numbers::pi;
  for (int v = 0; v < height; ++v) {
    const double wv = turn * (v <= height / 2 ? v : v - height) / height;
    fftw_complex* gx = work.spectra.Data() + static_cast<size_t>(v) * work.halfWidth;
    const fftw_complex* gy = gx + work.spectrumCells;
    for (int u = 0; u < work.halfWidth; ++u) {
      const double wu = turn * u / width;
      const double power = wu * wu + wv * wv;
      const double factor = power > 0.0 ? scale / power : 0.0;  // the mean height: 0
      const double re = (wu * gx[u][1] + wv * gy[u][1]) * factor;
      const double im = -(wu * gx[u][0] + wv * gy[u][0]) * factor;
      gx[u][0] = re;
      gx[u][1] = im;
    }
  }
  work.inverse.Execute();
  return PlacedHeights(normals, work.z.Data());
}
