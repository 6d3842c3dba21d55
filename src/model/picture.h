#pragma once
// The picture the raster pass and the shaders paint into. The window implements it with a QImage,
// tests and the headless renderer with a plain buffer. Coordinates are pixels, origin top left.

#include <cmath>
#include <cstddef>
#include <cstdint>

struct Rgb {
  int32_t r = 0;
  int32_t g = 0;
  int32_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// A picture's pixels laid out for painting in place: one 32-bit word a pixel, 0xffRRGGBB (as a
// QImage of Format_RGB32 holds them), rows `stride` words apart, the top row first.
struct PixelRows {
  uint32_t* first = nullptr;  // nothing: the picture is painted through SetPixel only
  ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
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
  // The pixels for painting in place, valid until the picture is resized or cleared; a pass takes
  // them once before it paints. Writing them from several threads at once (different pixels)
  // must be safe. A picture without such rows is painted through SetPixel, from one thread.
  virtual PixelRows Rows() { return {}; }
};

inline constexpr int32_t kComponentMax = 255;

// The word of a colour whose components are in 0..255.
inline constexpr uint32_t PackedPixel(Rgb colour) {
  return 0xff000000U | static_cast<uint32_t>(colour.r) << 16U |
         static_cast<uint32_t>(colour.g) << 8U | static_cast<uint32_t>(colour.b);
}

inline constexpr uint32_t kComponentMask = 0xffU;

inline constexpr Rgb UnpackedPixel(uint32_t word) {
  return Rgb{static_cast<int32_t>(word >> 16U & kComponentMask),
             static_cast<int32_t>(word >> 8U & kComponentMask),
             static_cast<int32_t>(word & kComponentMask)};
}

// A component above 255 counts as 255, one below 0 as 0.
inline int32_t LimitComponent(int32_t c) {
  return c > kComponentMax ? kComponentMax : (c < 0 ? 0 : c);
}

// The word of a colour with each component limited to 0..255.
inline uint32_t LimitedPixel(Rgb colour) {
  return PackedPixel(
      Rgb{LimitComponent(colour.r), LimitComponent(colour.g), LimitComponent(colour.b)});
}

// The pixel index a coordinate rounds to (half to even), or -1 when it lies outside 0..limit-1.
// A whole number in range rounds to itself, as every position of a pass does: no rounding call.
inline int PixelIndex(float v, int limit) {
  if (v >= 0.0F && v < static_cast<float>(limit) && static_cast<float>(static_cast<int>(v)) == v) {
    return static_cast<int>(v);
  }
  // Beyond this range (NaN and infinities included) nothing can round into the picture.
  if (!(v > -1.0F && v < static_cast<float>(limit) + 1.0F)) return -1;
  const long i = std::lrint(v);
  return i >= 0 && i < limit ? static_cast<int>(i) : -1;
}

// Paints one pixel of a picture of the given size at a position given in floats; a position
// outside the picture paints nothing. Components are limited to 0..255.
inline void PaintPixel(Picture& picture, int width, int height, float x, float y, Rgb colour) {
  const int ix = PixelIndex(x, width);
  const int iy = PixelIndex(y, height);
  if (ix < 0 || iy < 0) return;
  const auto inRange = [](int32_t c) { return c >= 0 && c <= kComponentMax; };
  if (inRange(colour.r) && inRange(colour.g) && inRange(colour.b)) {
    // The colour goes on as it came: rebuilding it from limited parts would be stored piecewise
    // and read back whole by SetPixel, a stalled load on every painted pixel.
    picture.SetPixel(ix, iy, colour);
    return;
  }
  picture.SetPixel(
      ix, iy, Rgb{LimitComponent(colour.r), LimitComponent(colour.g), LimitComponent(colour.b)});
}

inline void PaintPixel(Picture& picture, float x, float y, Rgb colour) {
  PaintPixel(picture, picture.Width(), picture.Height(), x, y, colour);
}
