#include <cmath>
#include <numbers>
#include <vector>

#include "recovery/fftw_support.h"
#include "recovery/index_gradients.h"
#include "recovery/normal_integration.h"

namespace {

struct CosineWorkspace {
  CosineWorkspace(int w, int h)
      : width(w),
        height(h),
        cells(static_cast<size_t>(w) * static_cast<size_t>(h)),
        z(cells),
        forward([this] {
          return fftw_plan_r2r_2d(height, width, z.Data(), z.Data(), FFTW_REDFT10, FFTW_REDFT10,
                                  FFTW_MEASURE);
        }),
        inverse([this] {
          return fftw_plan_r2r_2d(height, width, z.Data(), z.Data(), FFTW_REDFT01, FFTW_REDFT01,
                                  FFTW_MEASURE);
        }),
        alongRow(static_cast<size_t>(w)) {
    // The path graph's Laplacian on n cells has the eigenvalue 2 - 2 cos(pi k / n) for the
    // cosine k; the grid's is the sum along both sides.
    for (int u = 0; u < width; ++u)
      alongRow[u] = 2.0 - 2.0 * std::cos(std::numbers::pi * u / width);
  }

  int width;
  int height;
  size_t cells;
  FftwArray<double> z;
  FftwPlan forward;
  FftwPlan inverse;
  std::vector<double> alongRow;
};

}  // namespace

HeightField IntegrateDctPoisson(const RecoveredNormals& normals) {
  const int width = normals.width;
  const int height = normals.height;
  CosineWorkspace& work = ThreadWorkspace<CosineWorkspace>(width, height);
  WriteEdgeDivergence(normals, false, work.z.Data());
  work.forward.Execute();
  // FFTW's DCT-II then DCT-III multiply by 2n along each side. The constant (k = 0 both ways)
  // is the free mean: 0.
  const double scale = 1.0 / (4.0 * static_cast<double>(work.cells));
  for (int v = 0; v < height; ++v) {
    const double alongColumn = 2.0 - 2.0 * std::cos(std::numbers::pi * v / height);
    double* row = work.z.Data() + static_cast<size_t>(v) * width;
    for (int u = 0; u < width; ++u) {
      const double eigenvalue = alongColumn + work.alongRow[u];
      row[u] = eigenvalue > 0.0 ? row[u] * scale / eigenvalue : 0.0;
    }
  }
  work.inverse.Execute();
  return PlacedHeights(normals, work.z.Data());
}
