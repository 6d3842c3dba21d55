#pragma once
// The picture the raster pass and the shaders paint into. The window implements it with a QImage,
// tests and the headless renderer with a plain buffer. Coordinates are pixels, origin top left.

#include <cmath>
#include <cstdint>

struct Rgb {
  int32_t r = 0;
  int32_t g = 0;
  int32_t b = 0;
  bool operator==(const Rgb&) const = default;
};

class Picture {
 public:
  virtual ~Picture() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Paints every pixel in the background colour.
  virtual void Clear(Rgb background) = 0;
  // (x, y) lies inside the picture and every component in 0..255.
  virtual void SetPixel(int x, int y, Rgb colour) = 0;
};

// Paints one pixel at a position given in (integral) floats. A component above 255 counts as
// 255, one below 0 as 0; a position outside the picture paints nothing.
inline void PaintPixel(Picture& picture, float x, float y, Rgb colour) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  const long ix = std::lrint(x);
  const long iy = std::lrint(y);
  if (!(ix >= 0 && iy >= 0 && ix < picture.Width() && iy < picture.Height())) return;
  auto limit = [](int32_t c) { return c > 255 ? 255 : (c < 0 ? 0 : c); };
  picture.SetPixel(static_cast<int>(ix), static_cast<int>(iy),
                   Rgb{limit(colour.r), limit(colour.g), limit(colour.b)});
}
