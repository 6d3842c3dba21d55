#include <cmath>
#include <numbers>
#include <vector>

#include "recovery/fftw_support.h"
#include "recovery/index_gradients.h"
#include "recovery/normal_integration.h"

HeightField IntegrateDctPoisson(const RecoveredNormals& normals) {
  const IndexGradients gradients = ToIndexGradients(normals);
  const int width = normals.width;
  const int height = normals.height;
  const size_t cells = normals.Cells();
  FftwArray<double> z(cells);
  const FftwPlan forward([&] {
    return fftw_plan_r2r_2d(height, width, z.get(), z.get(), FFTW_REDFT10, FFTW_REDFT10,
                            FFTW_ESTIMATE);
  });
  const FftwPlan inverse([&] {
    return fftw_plan_r2r_2d(height, width, z.get(), z.get(), FFTW_REDFT01, FFTW_REDFT01,
                            FFTW_ESTIMATE);
  });
  const std::vector<double> divergence = EdgeDivergence(gradients, false);
  std::copy(divergence.begin(), divergence.end(), z.get());
  forward.Execute();
  // The path graph's Laplacian on n cells has the eigenvalue 2 - 2 cos(pi k / n) for the cosine
  // k; the grid's is the sum along both sides. The constant (k = 0 both ways) is the free mean.
  std::vector<double> alongRow(static_cast<size_t>(width));
  for (int u = 0; u < width; ++u) alongRow[u] = 2.0 - 2.0 * std::cos(std::numbers::pi * u / width);
  // FFTW's DCT-II then DCT-III multiply by 2n along each side.
  const double scale = 1.0 / (4.0 * static_cast<double>(cells));
  for (int v = 0; v < height; ++v) {
    const double alongColumn = 2.0 - 2.0 * std::cos(std::numbers::pi * v / height);
    double* row = z.get() + static_cast<size_t>(v) * width;
    for (int u = 0; u < width; ++u) {
      const double eigenvalue = alongColumn + alongRow[u];
      row[u] = eigenvalue > 0.0 ? row[u] * scale / eigenvalue : 0.0;
    }
  }
  inverse.Execute();
  return PlacedHeights(normals, gradients, z.get());
}
