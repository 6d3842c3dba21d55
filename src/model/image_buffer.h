#pragma once
// A Picture held in memory: used by the headless renderer, the benchmark and the tests. Four
// bytes a pixel (PixelRows' words), rows packed one after another.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/picture.h"

class ImageBuffer final : public Picture {
 public:
  // Left unpainted: a big picture's memory is touched first by the pass that clears it. Until
  // then reading a pixel is undefined.
  struct Unpainted {};

  // Black, as a fresh picture of any kind starts.
  ImageBuffer(int width, int height) : ImageBuffer(width, height, Unpainted{}) { Clear(Rgb{}); }
  ImageBuffer(int width, int height, Unpainted)
      : width_(width),
        height_(height),
        pixels_(std::make_unique_for_overwrite<uint32_t[]>(Count(width, height))) {}
  ImageBuffer(const ImageBuffer& other) : ImageBuffer(other.width_, other.height_, Unpainted{}) {
    std::copy_n(other.pixels_.get(), Count(width_, height_), pixels_.get());
  }
  ImageBuffer& operator=(const ImageBuffer& other) {
    if (this != &other) *this = ImageBuffer(other);
    return *this;
  }
  ImageBuffer(ImageBuffer&&) noexcept = default;
  ImageBuffer& operator=(ImageBuffer&&) noexcept = default;
  ~ImageBuffer() override = default;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Components outside 0..255 are limited, as every painted colour is.
  void Clear(Rgb background) override {
    std::fill_n(pixels_.get(), Count(width_, height_), LimitedPixel(background));
  }
  void SetPixel(int x, int y, Rgb colour) override { pixels_[Index(x, y)] = PackedPixel(colour); }
  PixelRows Rows() override { return {pixels_.get(), width_, width_, height_}; }

  Rgb At(int x, int y) const { return UnpackedPixel(pixels_[Index(x, y)]); }
  // Row y, `Width()` words.
  const uint32_t* Row(int y) const { return pixels_.get() + Index(0, y); }
  // Every pixel, rows from the top: for comparing pictures.
  std::vector<Rgb> Pixels() const {
    std::vector<Rgb> pixels(Count(width_, height_));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = UnpackedPixel(pixels_[i]);
    return pixels;
  }

 private:
  static size_t Count(int width, int height) {
    return width > 0 && height > 0 ? static_cast<size_t>(width) * static_cast<size_t>(height) : 0;
  }
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::unique_ptr<uint32_t[]> pixels_;
};
