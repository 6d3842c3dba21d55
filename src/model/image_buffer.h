#pragma once
// A Picture held in memory: used by the headless renderer, the benchmark and the tests.

#include <vector>

#include "model/picture.h"

class ImageBuffer final : public Picture {
 public:
  ImageBuffer(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear(Rgb background) override { pixels_.assign(pixels_.size(), background); }
  void SetPixel(int x, int y, Rgb colour) override { pixels_[Index(x, y)] = colour; }

  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  const std::vector<Rgb>& Pixels() const { return pixels_; }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};
