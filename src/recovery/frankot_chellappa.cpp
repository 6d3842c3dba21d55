#include <numbers>

#include "recovery/fftw_support.h"
#include "recovery/index_gradients.h"
#include "recovery/normal_integration.h"

HeightField IntegrateFrankotChellappa(const RecoveredNormals& normals) {
  const IndexGradients gradients = ToIndexGradients(normals);
  const int width = normals.width;
  const int height = normals.height;
  const size_t cells = normals.Cells();
  const int halfWidth = width / 2 + 1;  // the half spectrum of a real transform
  const size_t spectrumCells = static_cast<size_t>(height) * static_cast<size_t>(halfWidth);
  // Both slopes side by side, transformed by one plan.
  FftwArray<double> slopes(2 * cells);
  FftwArray<fftw_complex> spectra(2 * spectrumCells);
  const int sides[2] = {height, width};
  const FftwPlan forward([&] {
    return fftw_plan_many_dft_r2c(2, sides, 2, slopes.get(), nullptr, 1, static_cast<int>(cells),
                                  spectra.get(), nullptr, 1, static_cast<int>(spectrumCells),
                                  FFTW_ESTIMATE);
  });
  FftwArray<double> z(cells);
  const FftwPlan inverse(
      [&] { return fftw_plan_dft_c2r_2d(height, width, spectra.get(), z.get(), FFTW_ESTIMATE); });
  std::copy(gradients.alongRow.begin(), gradients.alongRow.end(), slopes.get());
  std::copy(gradients.downColumn.begin(), gradients.downColumn.end(), slopes.get() + cells);
  forward.Execute();
  // Z = -j (wu Gx + wv Gy) / (wu^2 + wv^2), scaled for FFTW's unnormalised inverse; written over
  // the first spectrum, which the inverse reads.
  const double scale = 1.0 / static_cast<double>(cells);
  const double turn = 2.0 * std::numbers::pi;
  for (int v = 0; v < height; ++v) {
    const double wv = turn * (v <= height / 2 ? v : v - height) / height;
    for (int u = 0; u < halfWidth; ++u) {
      const double wu = turn * u / width;
      const size_t at = static_cast<size_t>(v) * halfWidth + static_cast<size_t>(u);
      fftw_complex& gx = spectra[at];
      const fftw_complex& gy = spectra[spectrumCells + at];
      const double power = wu * wu + wv * wv;
      if (power == 0.0) {
        gx[0] = gx[1] = 0.0;  // the mean height: 0
        continue;
      }
      const double re = (wu * gx[1] + wv * gy[1]) / power * scale;
      const double im = -(wu * gx[0] + wv * gy[0]) / power * scale;
      gx[0] = re;
      gx[1] = im;
    }
  }
  inverse.Execute();
  return PlacedHeights(normals, gradients, z.get());
}
