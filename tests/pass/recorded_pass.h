#pragma once
// Test support: a picture that remembers which pixels a pass painted and whether every paint kept
// the Picture contract, and a helper that runs one press of the shade button on a fresh state.

#include <string>
#include <vector>

#include "model/picture.h"
#include "model/render_state.h"
#include "model/startup_values.h"
#include "pass/shade_command.h"

class RecordedPicture final : public Picture {
 public:
  RecordedPicture(int width, int height)
      : width_(width), height_(height), pixels_(Size()), painted_(Size(), 0) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear(Rgb background) override {
    pixels_.assign(Size(), background);
    painted_.assign(Size(), 0);
    ++clears;
  }
  void SetPixel(int x, int y, Rgb colour) override {
    const auto inRange = [](int32_t c) { return c >= 0 && c <= 255; };
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !inRange(colour.r) || !inRange(colour.g) ||
        !inRange(colour.b)) {
      ++contractBreaches;
      return;
    }
    pixels_[Index(x, y)] = colour;
    painted_[Index(x, y)] = 1;
    ++paints;
  }

  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  bool Painted(int x, int y) const { return painted_[Index(x, y)] != 0; }

  int clears = 0;
  int paints = 0;
  int contractBreaches = 0;

 private:
  size_t Size() const { return static_cast<size_t>(width_) * height_; }
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  std::vector<char> painted_;
};

struct PassSetup {
  ShadeInputs inputs;
  int32_t reflectanceKind = kMatte;
  int16_t showIsolines = 1;
  int16_t halfSphere = 1;
  bool smoothing = false;
  int width = kDefaultPictureWidth;
  int height = kDefaultPictureHeight;
  std::string Describe() const;
};

// The start-up state with the setup's switches, after one press of the shade button.
struct PassResult {
  RenderState state;
  RecordedPicture picture;
  ShadeOutcome outcome;
};

PassResult RunPass(const PassSetup& setup);
PassResult RunPass(const PassSetup& setup, const RenderState& initial);

// Offsets of pixel (x, y) from the centre of the pass, as the pass measures them without
// smoothing (dy grows upwards).
double OffsetX(const RecordedPicture& picture, int x);
double OffsetY(const RecordedPicture& picture, int y);
