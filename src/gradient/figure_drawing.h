#pragma once
// Thin drawing over a painted picture, for the marks of the map's figure: single pixels, straight
// lines (solid or dashed), rings and 5 x 7 letters. Everything is clipped to the picture and
// paints one colour, 1 pixel wide; positions are picture pixels (x right, y down, pixel centres
// at whole numbers).

#include <array>
#include <cstdint>

#include "gradient/gradient_view.h"
#include "model/picture.h"

// Paints pixel (x, y) if it lies inside the picture.
void PutFigurePixel(Picture& picture, int x, int y, Rgb colour);

// The pixel nearest a position, painted if inside.
void PutFigurePoint(Picture& picture, PixelPoint point, Rgb colour);

// A straight line a x + b y + c = 0 in picture pixels.
struct PixelLine {
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
};

// Draws the line across the whole picture, one pixel per column where it runs more across than
// down (one per row otherwise); dashed: 6 pixels on, 4 off along its length.
void DrawPixelLine(Picture& picture, const PixelLine& line, Rgb colour, bool dashed);

// A ring of the given radius in pixels about a centre.
void DrawRing(Picture& picture, PixelPoint centre, double radius, Rgb colour);

// 5 x 7 letters, one row a byte, the leftmost pixel the highest of five bits.
using Glyph = std::array<uint8_t, 7>;
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr Glyph kLetterP{0b00000, 0b11110, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000};
inline constexpr Glyph kLetterQ{0b00000, 0b01111, 0b10001, 0b01111, 0b00001, 0b00001, 0b00001};
inline constexpr Glyph kLetterS{0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110};

// The letter with its top-left pixel at (left, top).
void DrawGlyph(Picture& picture, const Glyph& glyph, int left, int top, Rgb colour);
