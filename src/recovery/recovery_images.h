#pragma once
// The images a recovery method starts from: one intensity image of a surface for each source,
// as a camera would record it under a known law. Intensities are in 64-bit (0 black, 1 the
// brightest a matte cell can be), optionally with Gaussian noise and quantised to 8 or 16 bits.
//
//   scene + sources + law -> albedo * LawIntensity(p, q) per cell and source
//                         -> + noise (grey levels) -> clamped to [0, 1], rounded to 2^bits - 1
//                         levels

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "gradient/light_sources.h"
#include "model/render_state.h"
#include "surface/surface_image.h"

struct RecoveryImages {
  int width = 0;
  int height = 0;
  double spacingX = 1.0;  // the grid's, carried through to the recovered heights
  double spacingY = 1.0;
  std::vector<LightAim> sources;
  // One image a source, in the order of `sources`; each as the field's cells, row 0 the top row,
  // NaN where the surface has no data.
  std::vector<std::vector<double>> intensity;
  // Colour photographs' channels as linear intensities, one red, green, blue triple an image in
  // the order of `intensity` (whose cells are their means); empty for grey images and rendered
  // ones. Only the albedo reads them: the normals come from the grey images.
  std::vector<std::array<std::vector<double>, 3>> colour;

  size_t Cells() const { return static_cast<size_t>(width) * static_cast<size_t>(height); }
};

struct CameraModel {
  // The noise's standard deviation in grey levels of 1/255; 0: none.
  double noiseLevels = 0.0;
  uint32_t seed = 1;  // the same seed gives the same noise on every machine
  // 8 or 16: clamped to [0, 1] and rounded to 255 or 65535 levels; 0: kept in 64-bit.
  int bits = 0;
};

RecoveryImages MakeRecoveryImages(const RenderState& law, const SurfaceScene& scene,
                                  const std::vector<LightAim>& sources,
                                  const CameraModel& camera = {});

// Gaussian numbers of unit spread by Box and Muller from std::mt19937's bits (whose sequence
// the standard fixes), so that a seed gives the same noise whatever the standard library.
class PortableNormal {
 public:
  explicit PortableNormal(uint32_t seed) : generator_(seed) {}
  double Next();

 private:
  double Uniform();  // in [0, 1)

  std::mt19937 generator_;
  double spare_ = 0.0;
  bool hasSpare_ = false;
};
