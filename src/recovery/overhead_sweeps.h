#pragma once
// Shape from shading under a source on the view axis. There every isotropic law's brightness
// depends on the size of the slope alone, R(p, q) = R(sqrt(p^2 + q^2), 0), so the image asks for
// one slope size per cell and the heights solve an eikonal equation. Tsai and Shah's Newton step
// vanishes at the flat orientation (R has no slope there) and a bump and a dent give one image;
// instead each cell's equation is solved exactly for z with the differences taken from its lower
// neighbours (Rouy and Tourin's upwind choice), by Gauss-Seidel sweeps from the four corners in
// turn. Heights start above everything and come down from the padding beyond the grid (and beside
// cells without data and shadowed cells, which keep the start's heights): the answer is the
// surface without dents, standing on the start's heights at its borders.

#include <cmath>
#include <cstddef>
#include <vector>

#include "recovery/law_intensity.h"
#include "recovery/recovery_images.h"

class OverheadSweeps {
 public:
  // The image is images.intensity[0]; cells at or below `shadowed` are left out.
  OverheadSweeps(const RecoveryImages& images, const LawIntensity& intensityOf, double albedo,
                 double shadowed, const std::vector<double>& start);

  // The heights to begin from: the start's where a cell is left out, above everything elsewhere.
  std::vector<double> FirstHeights() const;
  // One sweep from each corner over z, in place; returns the largest change of a height.
  double Sweep(std::vector<double>& z) const;
  // Heights no sweep reached (cut off by cells left out) take the start's.
  void Settle(std::vector<double>& z) const;
  // The height of a cell the image asks for, from its neighbours' heights in z (the start's
  // beyond the grid and beside cells left out); above everything while no neighbour has one.
  double Solved(const std::vector<double>& z, int column, int row) const;
  // A cell without data, or shadowed: it keeps the start's height.
  bool LeftOut(size_t cell) const { return std::isnan(sizes_[cell]); }

 private:
  int width_;
  int height_;
  double dx_;
  double dy_;
  const std::vector<double>& start_;
  std::vector<double> sizes_;  // the slope each cell's brightness asks for; NaN: left out
};
