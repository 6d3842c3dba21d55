#include "surface/fractal_terrain.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <random>

#include "surface/fftw_planner.h"

namespace {

struct FftwFree {
  void operator()(void* memory) const { fftw_free(memory); }
};

// A uniform number in [0, 1) from the generator's bits, the same on every library.
double Uniform(std::mt19937& generator) {
  const uint64_t bits = (uint64_t{generator()} << 32) | generator();
  return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

}  // namespace

HeightField FractalTerrain(int width, int height, double roughness, double relief, uint32_t seed) {
  HeightField field{width, height, 1.0, 1.0, {}};
  const int columns = width / 2 + 1;  // the half spectrum a real transform needs
  const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::unique_ptr<fftw_complex, FftwFree> spectrum(static_cast<fftw_complex*>(
      fftw_malloc(sizeof(fftw_complex) * static_cast<size_t>(height) * columns)));
  std::unique_ptr<double, FftwFree> heights(
      static_cast<double*>(fftw_malloc(sizeof(double) * cells)));
  if (!spectrum || !heights) throw std::bad_alloc();
  std::mt19937 generator(seed);
  for (int row = 0; row < height; ++row) {
    const double ky = static_cast<double>(row <= height / 2 ? row : row - height) / height;
    for (int column = 0; column < columns; ++column) {
      const double kx = static_cast<double>(column) / width;
      const double k = std::hypot(kx, ky);
      const double amplitude = k == 0.0 ? 0.0 : std::pow(k, -(roughness + 1.0));
      const double phase = 2.0 * std::numbers::pi * Uniform(generator);
      fftw_complex& cell = spectrum.get()[static_cast<size_t>(row) * columns + column];
      cell[0] = amplitude * std::cos(phase);
      cell[1] = amplitude * std::sin(phase);
    }
  }
  fftw_plan plan;
  {
    const std::lock_guard<std::mutex> guard(FftwPlannerLock());
    plan = fftw_plan_dft_c2r_2d(height, width, spectrum.get(), heights.get(), FFTW_ESTIMATE);
  }
  fftw_execute(plan);
  {
    const std::lock_guard<std::mutex> guard(FftwPlannerLock());
    fftw_destroy_plan(plan);
  }
  const auto [low, high] = std::minmax_element(heights.get(), heights.get() + cells);
  const double span = *high - *low;
  field.z.resize(cells);
  for (size_t k = 0; k < cells; ++k) {
    field.z[k] = span > 0.0 ? (heights.get()[k] - *low) / span * relief : 0.0;
  }
  return field;
}
